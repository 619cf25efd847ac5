#pragma once

#include <windows.h>

#include <memory>

#include "app/Game.h"
#include "platform/win32/GdiTextRasterizer.h"
#include "platform/win32/WaveOutAudio.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32KeySource.h"
#include "platform/win32/Win32Options.h"

// The native Windows shell: the window class "Velkaros", one window whose client area is the
// 256 x 224 picture at 1:1 (white beside it when enlarged), the menu bar in the language
// being played (Win32MenuBar), and the frame loop: messages always go first; a frame runs once
// more than 100/3 ms have passed since the previous one started, then the loop sleeps for what
// is left of 33 ms. The window is a Unicode one: its title, like the About box and every
// other text the shell shows, goes to Windows in UTF-16 (wideText).
class Win32Shell {
public:
    static constexpr const wchar_t* kClassName = L"Velkaros";
    static constexpr int kCommandQuit = 100;
    static constexpr int kCommandAbout = 101;
    static constexpr int kSleepBudget = 33;

    Win32Shell(HINSTANCE instance, const Win32Options& options);
    ~Win32Shell();
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    // Loads the data file (on failure returns -1 before any window exists), starts the music,
    // opens the window and runs the frames until the quit message. Returns the exit code.
    int run(int showCommand);

    // Loads the game and creates the (hidden) window; false when the data file failed.
    bool start();
    // Handles every queued message; false once the quit message came (its code in exitCode).
    bool pumpMessages(int& exitCode);
    // One frame: the game's step, then the window repainted at once.
    void runFrame();

    HWND window() const { return window_; }
    Game& game() { return *game_; }
    const WaveOutAudio& audio() const { return audio_; }
    // What the window procedure does with one message.
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    void createWindow();
    void paint(HWND window);
    void showAbout();

    static Win32Shell* current_;  // the shell whose window is open, for the window procedure

    HINSTANCE instance_;
    Win32Options options_;
    Win32Dialogs dialogs_;
    Win32KeySource keys_;
    Win32Clock clock_;
    // The game goes first at shut-down: it closes the audio output, then drops the music.
    GdiTextRasterizer text_;
    WaveOutAudio audio_;
    std::unique_ptr<Game> game_;
    BITMAPINFO pictureInfo_{};
    HWND window_ = nullptr;
    int framesRun_ = 0;
};
