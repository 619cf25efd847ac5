#pragma once

#include <array>
#include <cstdint>

class KeySource;

// The six logical buttons, in index order.
enum Button : int {
    ButtonUp,
    ButtonDown,
    ButtonLeft,
    ButtonRight,
    ButtonDecide,
    ButtonCancel,
    ButtonCount
};

// Polled once per frame before the scene update. A button counts as pressed only in the first
// polled frame in which it is down: no key repeat. The mouse wheel delivers one-shot presses
// of the left and right buttons through injectPress.
class InputState {
public:
    InputState();

    // Reads every button from the key source (or from a pending injected press).
    void poll(const KeySource& keys);
    bool isPressed(Button button) const { return heldFrames[button] == 1; }

    // A wheel notch: forward (delta >= 0) presses ButtonLeft, backward ButtonRight.
    void wheel(int delta) { injectedPress[delta >= 0 ? ButtonLeft : ButtonRight] = 1; }
    void setMousePosition(int x, int y) {
        mouseX = x;
        mouseY = y;
    }

    std::array<std::int32_t, ButtonCount> keyCode;
    std::array<std::int32_t, ButtonCount> secondKeyCode;
    std::array<std::int32_t, ButtonCount> heldFrames{};
    std::array<std::uint8_t, ButtonCount> injectedPress{};
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
};
