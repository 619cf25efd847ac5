#pragma once

#include <SDL2/SDL.h>

#include <memory>

#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/MenuStrip.h"
#include "app/PresentedPicture.h"
#include "app/SessionInput.h"
#include "gfx/DIBImage.h"
#include "platform/freetype/FreeTypeText.h"
#include "platform/sdl/SdlAudioOut.h"
#include "platform/sdl/SdlDialogs.h"
#include "platform/sdl/SdlEventHandler.h"
#include "platform/sdl/SdlGamepad.h"
#include "platform/sdl/SdlKeySource.h"
#include "platform/sdl/SdlView.h"
#include "workbench/Workbench.h"

// The desktop shell: one resizable window showing the menu strip and, under it, the 256 x 224
// picture at the top-left corner (white beside it), zoomed by the --scale factor with nearest
// neighbour. It handles every pending event before a frame and between frames sleeps until
// the next frame is due.
class SdlShell final : private SdlEventHandler::Host {
public:
    explicit SdlShell(const CommandLine& options);
    ~SdlShell();
    SdlShell(const SdlShell&) = delete;
    SdlShell& operator=(const SdlShell&) = delete;

    // Starts the game, opens the window and runs until quit. Returns the exit code: 0 after a
    // quit, -1 when the data file fails to load, 1 when the font or the window fails, 2 when
    // the data file lacks the --ground or --hero asked for.
    int run();

private:
    bool openWindow();
    void handleEvent(const SDL_Event& event);
    // Reload (F5), zoom (F9), fullscreen (F11, Alt+Enter) and the screenshot (F12), whether or
    // not the menu strip is open. False for every other key.
    bool handleViewKey(const SDL_KeyboardEvent& key);
    void takeScreenshot();
    // After a reload, which may have shown a modal error box.
    void afterReload();
    void runCommand(int command) override;
    void runFrame();
    // Shows the current picture: sends the window the rows that changed since the last
    // present and repaints it, or does nothing when nothing changed and the window still
    // shows it.
    void present() override;
    SDL_Point toScreen(int windowX, int windowY) const override;

    const CommandLine& options_;
    SdlDialogs dialogs_;
    SdlGamepad gamepad_;
    SdlKeySource keys_;
    MenuStrip menu_;
    SdlEventHandler events_{*this, keys_, gamepad_, menu_};
    // The live keys, or a replay in their place; recorded with --record.
    SessionInput session_;
    // Destroyed after the game, which closes the output first.
    std::unique_ptr<SdlAudioOut> audio_;
    std::unique_ptr<FreeTypeText> text_;
    std::unique_ptr<Game> game_;
    // The battle test, reload and preview around the game.
    std::unique_ptr<Workbench> workbench_;
    // The whole client picture at scale 1: the menu strip above the game's framebuffer.
    DIBImage screen_{Game::kScreenWidth, Game::kScreenHeight + MenuStrip::kHeight};
    // What the texture holds; the window needs a repaint even so when it was exposed, resized,
    // zoomed or switched to or from fullscreen.
    PresentedPicture shown_;
    bool windowStale_ = true;
    SdlView view_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool videoStarted_ = false;
    bool quit_ = false;
};
