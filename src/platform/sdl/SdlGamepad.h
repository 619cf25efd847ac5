#pragma once

#include <SDL2/SDL.h>

#include <vector>

#include "app/PadState.h"

// Every gamepad SDL knows a layout for, opened as it is plugged in and closed as it is pulled
// out. Asked at poll time, it answers for the cursor keys, the space bar and shift as the
// keyboard does: the d-pad and the left stick move, the south button decides, the east button
// cancels. With several pads plugged in, any of them holding a button counts.
class SdlGamepad {
public:
    SdlGamepad() = default;
    ~SdlGamepad() { stop(); }
    SdlGamepad(const SdlGamepad&) = delete;
    SdlGamepad& operator=(const SdlGamepad&) = delete;

    // Starts SDL's game-controller support; pads already plugged in arrive as "added" events.
    // False when it is not available: the game then runs on keyboard and mouse alone.
    bool start();
    // Closes every pad and stops the support. Must run before SDL_Quit.
    void stop();

    // A pad plugged in or pulled out. Other events are ignored.
    void handleEvent(const SDL_Event& event);

    bool isDown(int virtualKey) const;
    int padCount() const { return static_cast<int>(pads_.size()); }

    // What one opened pad holds now.
    static PadState read(SDL_GameController* pad);

private:
    void open(int deviceIndex);
    void close(SDL_JoystickID instance);

    std::vector<SDL_GameController*> pads_;
    bool started_ = false;
};
