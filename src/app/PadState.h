#pragma once

// What one gamepad holds at the moment, in the terms the game's buttons need: the d-pad, the
// left stick and the two face buttons that decide and cancel. The desktop shell reads it from
// the pad at poll time and asks isDown with the same virtual-key codes as the keyboard, so a
// pad press follows exactly the keyboard's rules (a press on the first polled frame, no repeat).
struct PadState {
    // Half the stick's range: a stick leaning less than this far counts as centred, so a worn
    // stick that rests slightly off centre does not move the cursor.
    static constexpr int kDeadZone = 16384;

    bool up = false;  // d-pad
    bool down = false;
    bool left = false;
    bool right = false;
    bool south = false;  // the bottom face button: decide
    bool east = false;   // the right face button: cancel
    int stickX = 0;      // left stick, -32768 (left) to 32767 (right)
    int stickY = 0;      // left stick, -32768 (up) to 32767 (down)

    // Answers for the cursor keys (0x26 up, 0x28 down, 0x25 left, 0x27 right), the space bar
    // (0x20) and shift (0x10); the mouse buttons and every other code are never down.
    bool isDown(int virtualKey) const;
};
