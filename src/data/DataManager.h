#pragma once

#include <istream>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/CharacterDefinitionImpl.h"
#include "data/CharacterState.h"
#include "data/LoadError.h"
#include "data/SpecialArt.h"

class Animation;
class Dialogs;
class Image;
class Translation;

// The registry of everything the data file defines. It owns every image, animation, special
// art and character the file creates and keeps them until it is cleared or destroyed, so the
// plain pointers the scenes hold stay valid. The app owns the one object; instance() finds it.
class DataManager {
public:
    // Error codes of the data file reader.
    enum class ErrorCode { None = 0, UndefinedName = 1, Syntax = 2, Other = 3 };
    using errorCode = ErrorCode;

    // The value of the animation table: the animation and its kind (0 Still,
    // 1 ConstVelocity, 2 Serial).
    struct AnimationWithType {
        Animation* animation = nullptr;
        int kind = 0;
    };

    // A picture left empty: an image file named by a src line that could not be read, or a
    // picture (a src line's or a fighter's face) that would have passed the picture budget.
    struct ImageFailure {
        enum class Reason { Unreadable, OverBudget };
        std::string path;  // as written in the file: the src path, or the faceImage name
        int line = 0;
        Reason reason = Reason::Unreadable;
        bool face = false;  // a faceImage line
    };

    // Lines longer than this (without the line feed) are refused with error 3.
    static constexpr std::size_t kMaxLineLength = 64 * 1024;
    // Animations shown inside animations may nest this deep (an animation of images is 1).
    static constexpr int kMaxAnimationNesting = 64;
    // Steps of one Serial animation: every add starts the sequence over, which goes through
    // all its steps, so the steps are capped (error 3 beyond).
    static constexpr std::size_t kMaxSerialSteps = 10000;
    // All decoded pictures of one data file together, faces and their gray copies included,
    // stay within this many bytes; a picture that would pass it stays empty.
    static constexpr long long kPictureBudgetBytes = 256LL * 1024 * 1024;

    DataManager();
    virtual ~DataManager();
    DataManager(const DataManager&) = delete;
    DataManager& operator=(const DataManager&) = delete;

    // The first manager constructed (the app's), while it exists, or the one last made
    // current; null otherwise.
    static DataManager* instance();
    // Makes this registry the one instance() answers and its normal attack the one every
    // character falls back to (a reload loads a fresh registry beside the running one).
    void makeCurrent();
    // Display name of an error code (Shift-JIS), or null outside 0 to 3.
    static const char* errorName(int code);

    // Reads the data file (opened in binary, split at line feeds). On any error the registry
    // is left empty, the error is reported and false is returned.
    bool load(const std::string& fileName);
    // The same reader over bytes in memory.
    bool loadFromMemory(std::string_view bytes);
    // Destroys everything owned, empties the tables and the Me definition; the normal attack
    // becomes null.
    void clear();

    CharacterState* playerState(int index);  // throws std::out_of_range
    int playerCount() const { return static_cast<int>(playerStates_.size()); }
    CharacterState* enemyState(int index);  // throws std::out_of_range
    int enemyCount() const { return static_cast<int>(enemyStates_.size()); }
    CharacterState* meState() { return meState_.get(); }
    SpecialArt* normalAttack() const { return normalAttack_; }
    // The normal attack of the process, for the characters' choice of move.
    static SpecialArt* sharedNormalAttack() { return normalAttack_; }

    // Where codes 1 and 2 are shown; null shows no box (the report still goes to stderr).
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    // Quiet: no message box and nothing on stderr; the error is only kept (for --check).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // When false, src lines do not read image files (the images stay empty).
    void setLoadImages(bool loadImages) { loadImages_ = loadImages; }
    // The picture budget of later loads, in bytes (kPictureBudgetBytes unless changed).
    void setPictureBudget(long long bytes) { pictureBudget_ = bytes; }

    const LoadError& lastError() const { return lastError_; }
    // True when the last load failed because the file could not be opened.
    bool openFailed() const { return openFailed_; }
    const std::vector<ImageFailure>& imageFailures() const { return imageFailures_; }

    // A text of the data file as the Japanese game shows it (Shift-JIS, "\n" already a line
    // feed) and its line: the texts a translation covers.
    struct ScriptTextEntry {
        enum class Kind { ArtName, Name, Description, Message };
        Kind kind = Kind::Name;
        int line = 0;
        std::string text;
    };
    // The translation later loads give the file's texts; null (the default) keeps them as
    // written. It must outlive the loads.
    void setTranslation(const Translation* translation) { translation_ = translation; }
    // Every text of the last load in file order, untranslated.
    const std::vector<ScriptTextEntry>& scriptTexts() const { return scriptTexts_; }
    // Of the last successful load: the decoded bytes counted against the budget, and how many
    // picture files were decoded (each file once, however many Image blocks name it).
    long long pictureBytes() const { return pictureBytes_; }
    int pictureDecodes() const { return pictureDecodes_; }
    long long pictureBudget() const { return pictureBudget_; }

    // The name tables, for the reader and for summaries.
    const std::map<std::string, Image*>& imageTable() const { return imageTable_; }
    const std::map<std::string, AnimationWithType>& animationTable() const {
        return animationTable_;
    }
    const std::map<std::string, SpecialArt*>& specialArtTable() const { return specialArtTable_; }
    int imageCount() const { return static_cast<int>(images_.size()); }
    int animationCount() const { return static_cast<int>(animations_.size()); }
    int specialArtCount() const { return static_cast<int>(specialArts_.size()); }
    // Every special art in file order, also those whose name was already taken.
    const std::list<std::unique_ptr<SpecialArt>>& specialArtList() const { return specialArts_; }
    const CharacterDefinitionImpl& meDefinition() const { return meDefinition_; }

private:
    friend class ScriptReader;

    // Reads a data file in Shift-JIS or UTF-8; readScript reads the Shift-JIS text.
    bool readFrom(std::istream& input);
    bool readScript(std::istream& input);
    void fail(int code, int line, const std::string& lineText, const char* advice);
    void report(const LoadError& error);
    // A line on stderr when pictures were left empty for the budget.
    void reportOverBudget() const;

    std::list<std::unique_ptr<Image>> images_;
    std::list<std::unique_ptr<Animation>> animations_;
    std::list<std::unique_ptr<SpecialArt>> specialArts_;
    std::vector<std::unique_ptr<CharacterState>> playerStates_;
    std::vector<std::unique_ptr<CharacterState>> enemyStates_;
    std::vector<std::unique_ptr<CharacterDefinitionImpl>> playerDefinitions_;
    std::vector<std::unique_ptr<CharacterDefinitionImpl>> enemyDefinitions_;
    std::unique_ptr<CharacterState> meState_;
    CharacterDefinitionImpl meDefinition_;
    std::map<std::string, Image*> imageTable_;
    std::map<std::string, AnimationWithType> animationTable_;
    std::map<std::string, SpecialArt*> specialArtTable_;

    Dialogs* dialogs_ = nullptr;
    bool quiet_ = false;
    bool loadImages_ = true;
    bool openFailed_ = false;
    LoadError lastError_;
    std::vector<ImageFailure> imageFailures_;
    const Translation* translation_ = nullptr;
    std::vector<ScriptTextEntry> scriptTexts_;
    long long pictureBudget_ = kPictureBudgetBytes;
    long long pictureBytes_ = 0;
    int pictureDecodes_ = 0;

    static inline SpecialArt* normalAttack_ = nullptr;
    static inline DataManager* instance_ = nullptr;
};
