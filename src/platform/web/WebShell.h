#pragma once

#include <SDL2/SDL.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/MenuStrip.h"
#include "app/SessionInput.h"
#include "app/TimerPacer.h"
#include "gfx/DIBImage.h"
#include "platform/freetype/FreeTypeText.h"
#include "platform/sdl/SdlAudioOut.h"
#include "platform/sdl/SdlEventHandler.h"
#include "platform/sdl/SdlGamepad.h"
#include "platform/sdl/SdlKeySource.h"
#include "platform/web/WebDialogs.h"
#include "workbench/Workbench.h"

// The browser shell: the desktop shell's keys, pads, audio output and menu strip on a canvas
// of 256 x 236 pixels (the strip above the picture), which the page zooms. The browser's timer
// calls step(), which sleeps until the next frame is due by the desktop's schedule (TimerPacer).
// SDL's window gives the canvas its events; the picture goes onto it straight from the
// program's memory, and only when it has changed, so a still screen costs the browser nothing.
// Zoom and fullscreen belong to the page, so F9, F11 and F12 are the browser's. The workbench
// is the desktop's: the battle test and the gallery as the page's address asks, and the
// page's editor reloads the data (reload(), the desktop's F5).
class WebShell final : private SdlEventHandler::Host {
public:
    explicit WebShell(const CommandLine& options);
    ~WebShell();
    WebShell(const WebShell&) = delete;
    WebShell& operator=(const WebShell&) = delete;

    // Loads the game and opens the canvas. False when there is no game to play: the page then
    // shows the report (a broken data file, no font, a replay that cannot be read).
    bool start();
    // One turn of the browser's loop: every pending event, then a frame when one is due.
    // Returns the milliseconds to sleep until the next one is due (at least 1).
    std::uint32_t step();
    // The music file has been put in the game folder (the page loads it after the first
    // picture): it plays from its start.
    void musicArrived();
    // An on-screen button of the page held or let go: a key of that virtual-key code.
    void touchButton(int virtualKey, bool down) { keys_.setTouchDown(virtualKey, down); }
    // Reads the data file and every picture again, as the desktop's F5: true when the game
    // began again on the new data; else the page has the report and the game plays on.
    bool reload();
    // The page's About box was closed.
    void dialogClosed();
    // The running game's data; null before it has started.
    DataManager* data() { return workbench_ ? &game_->data() : nullptr; }
    // 終了 was chosen: the game has stopped.
    bool ended() const { return ended_; }

private:
    bool fail(const std::string& text);
    void showLoadError(const LoadError& error, const std::string& kept, bool playing);
    bool openCanvas();
    void runCommand(int command) override;
    void runFrame();
    void present() override;
    // The canvas is the screen at scale 1: the page zooms it.
    SDL_Point toScreen(int x, int y) const override { return {x, y}; }
    void end();

    const CommandLine& options_;
    WebDialogs dialogs_;
    SdlGamepad gamepad_;
    SdlKeySource keys_;
    MenuStrip menu_;
    SdlEventHandler events_{*this, keys_, gamepad_, menu_};
    SessionInput session_;
    std::unique_ptr<SdlAudioOut> audio_;
    std::unique_ptr<FreeTypeText> text_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<Workbench> workbench_;
    DIBImage screen_{Game::kScreenWidth, Game::kScreenHeight + MenuStrip::kHeight};
    std::optional<TimerPacer> pacer_;
    // The canvas's pixels as last put there: RGBA bytes, and the screen pixels they came from.
    std::vector<std::uint32_t> rgba_;
    std::vector<Pixel> shownSource_;
    SDL_Window* window_ = nullptr;
    bool presented_ = false;
    // The closed menu strip is on screen_ (an open one is drawn over the picture every time).
    bool stripDrawn_ = false;
    bool aboutOpen_ = false;
    bool ended_ = false;
};
