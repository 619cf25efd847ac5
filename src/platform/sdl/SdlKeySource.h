#pragma once

#include <array>

#include "platform/KeySource.h"

class SdlGamepad;

// The desktop keys and mouse buttons, read from SDL's keyboard and mouse state at the moment
// of the question. Nothing reads as down while the window lacks focus or the menu strip has
// the keys; after a click or key meant for the menu or a dialog, nothing reads as down until
// every key and button of the game has been let go, so that input does not leak into the game.
// Gamepads and the browser page's on-screen buttons answer through the same question, so they
// follow the same rules.
class SdlKeySource : public KeySource {
public:
    bool isDown(int virtualKey) const override;

    // The pads to ask besides the keyboard and mouse; null for none.
    void setGamepad(const SdlGamepad* gamepad) { gamepad_ = gamepad; }
    // An on-screen button of the page held (down) or let go, as a key of this virtual-key code.
    void setTouchDown(int virtualKey, bool down);
    void setFocused(bool focused) { focused_ = focused; }
    void setBlocked(bool blocked) { blocked_ = blocked; }
    void holdUntilReleased() { holding_ = true; }
    // Called before each poll: ends the hold once everything is up.
    void refresh();

private:
    bool isPhysicallyDown(int virtualKey) const;

    const SdlGamepad* gamepad_ = nullptr;
    std::array<bool, 256> touched_{};
    bool focused_ = true;
    bool blocked_ = false;
    bool holding_ = false;
};
