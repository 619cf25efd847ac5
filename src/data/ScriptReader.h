#pragma once

#include <istream>
#include <map>
#include <string>
#include <vector>

#include "data/DataManager.h"
#include "data/PictureLoader.h"

class CharacterDefinitionImpl;
class SpecialArt;

// Reads the data file line by line into a registry. Errors are thrown as ScriptReader::Error;
// line() and currentLine() then tell where it happened.
class ScriptReader {
public:
    struct Error {
        DataManager::ErrorCode code;
    };

    ScriptReader(DataManager& registry, std::istream& input);

    // Reads the whole stream, checks the normal attack and restores the players and enemies.
    void read();

    int line() const { return line_; }
    const std::string& currentLine() const { return currentLine_; }

private:
    enum class Block { None, Image, Animation, SpecialArt, Player, Enemy, Me };

    void dispatch(const std::vector<std::string>& tokens);
    void imageField(const std::vector<std::string>& tokens);
    void animationField(const std::vector<std::string>& tokens);
    void specialArtField(const std::vector<std::string>& tokens);
    void characterField(const std::vector<std::string>& tokens);
    void faceField(const std::string& name);
    // A text of the file: kept for the translators' template, and translated when a
    // translation is set.
    std::string gameText(DataManager::ScriptTextEntry::Kind kind, std::string text);
    void newCharacter(bool enemy);
    void finish();

    // The token at index, or error 2 when the line is too short.
    const std::string& token(const std::vector<std::string>& tokens, std::size_t index) const;
    int integer(const std::vector<std::string>& tokens, std::size_t index) const;
    // Content for the animation being filled: animation table first, then image table; sets
    // isAnimation. Error 1 when neither has it or the name is the animation itself, error 3
    // when the nesting would grow too deep.
    Drawable* resolveContent(const std::string& name, bool& isAnimation);
    [[noreturn]] static void fail(DataManager::ErrorCode code);

    DataManager& registry_;
    std::istream& input_;
    int line_ = 0;
    std::string currentLine_;
    Block block_ = Block::None;
    int animationKind_ = 0;
    Image* image_ = nullptr;
    Animation* animation_ = nullptr;
    SpecialArt* specialArt_ = nullptr;
    CharacterDefinitionImpl* character_ = nullptr;
    std::map<const Animation*, int> nesting_;  // 1 for an animation of images only
    PictureLoader pictures_;
};
