#pragma once

#include <cstdint>
#include <memory>

#include "app/GameWorld.h"
#include "app/InputState.h"
#include "data/LoadError.h"
#include "gfx/DIBImage.h"
#include "sound/Sound.h"
#include "sound/SoundManager.h"
#include "text/Translation.h"

class AudioOut;
class Dialogs;
class KeySource;
class TextRasterizer;

// The owner of the game's single objects. Members are constructed in the order the game needs
// them and destroyed in reverse; every shell (desktop window, headless) drives the same object:
// start once, attach the window, then one frame() per frame, stop at the end.
class Game {
public:
    static constexpr int kScreenWidth = 256;
    static constexpr int kScreenHeight = 224;
    static constexpr const char* kDataFile = "script.dat";
    static constexpr const char* kMusicFile = "sound\\kelmora.wav";

    // text draws the game font; it must outlive the game. Null draws no text.
    explicit Game(TextRasterizer* text);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Plays in the language of lang/CODE.po: the program's texts and, from the next start() or
    // loadWorld() on, the data file's. Call it before start(). False, with the error, when there is
    // no such file; problems inside it (those entries stay untranslated) are in
    // translation().problems().
    bool setLanguage(const std::string& code, std::string& error);
    const Translation& translation() const { return translation_; }

    // Loads the data file (errors are shown through dialogs, which may be null), starts the
    // music on the audio output (null: silence) and initialises the main scene. False when the
    // data file failed to load: the program then ends with -1 before any window exists.
    bool start(Dialogs* dialogs, AudioOut* audio);
    // The window exists: clear the picture, select the game font, seed the random generator.
    void attachWindow(std::uint32_t seed);
    // One frame: poll the input, update, draw (whose background fill clears the picture).
    void frame(const KeySource& keys);
    // Reads the music file again and plays it from its start: the page loads the music after
    // the first picture, so at start the file may not be there yet.
    void reloadMusic();
    // Reads the music file again and plays the new one from its start only when it differs
    // from the music playing (a mod's WAV changed before F5 or --watch); an unchanged file
    // plays on without a break. True when the music was replaced.
    bool reloadMusicIfChanged();
    // Closes the audio output; the music may be released only after this.
    void stop();

    // Reads the data file and every picture again into a fresh world, as start() does; null
    // when the data file does not load (its report shown as at start-up). The running game is
    // left exactly as it was either way.
    std::unique_ptr<GameWorld> loadWorld(Dialogs* dialogs);
    // What went wrong in the last loadWorld that returned null (code 0: the file did not open).
    const LoadError& loadWorldError() const { return loadWorldError_; }
    // Puts a loaded world in place of the running one and begins its first scene. The sound
    // manager and the music are not touched, so the music plays on.
    void replaceWorld(std::unique_ptr<GameWorld> fresh);

    DIBImage& framebuffer() { return framebuffer_; }
    const DIBImage& framebuffer() const { return framebuffer_; }
    const Font& font() const { return font_; }
    InputState& input() { return input_; }
    const SoundManager& soundManager() const { return soundManager_; }
    const Sound& music() const { return music_; }
    const MainScene& mainScene() const { return world_->mainScene; }
    MainScene& mainScene() { return world_->mainScene; }
    SceneGlobals& sceneGlobals() { return world_->sceneGlobals; }
    DataManager& data() { return world_->data; }

private:
    void clearPicture();

    // Start-up order; destroyed bottom to top.
    SoundManager soundManager_;
    DIBImage framebuffer_{kScreenWidth, kScreenHeight};
    Font font_;
    Sound music_{kMusicFile};  // a missing file plays silence
    InputState input_;
    Translation translation_;
    // The window images, the main scene, the registry and the scene globals, in that order.
    std::unique_ptr<GameWorld> world_ = std::make_unique<GameWorld>(input_);
    LoadError loadWorldError_;
};
