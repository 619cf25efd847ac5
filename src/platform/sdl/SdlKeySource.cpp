#include "platform/sdl/SdlKeySource.h"

#include <SDL2/SDL.h>

#include "platform/sdl/SdlGamepad.h"

namespace {

// Every virtual-key code the game asks about.
constexpr int kGameKeys[] = {0x26, 0x28, 0x25, 0x27, 0x20, 0x10, 1, 2};

}  // namespace

bool SdlKeySource::isDown(int virtualKey) const {
    return focused_ && !blocked_ && !holding_ && isPhysicallyDown(virtualKey);
}

void SdlKeySource::refresh() {
    if (!holding_) {
        return;
    }
    for (int key : kGameKeys) {
        if (isPhysicallyDown(key)) {
            return;
        }
    }
    holding_ = false;
}

void SdlKeySource::setTouchDown(int virtualKey, bool down) {
    if (virtualKey > 0 && virtualKey < static_cast<int>(touched_.size())) {
        touched_[static_cast<std::size_t>(virtualKey)] = down;
    }
}

bool SdlKeySource::isPhysicallyDown(int virtualKey) const {
    if (gamepad_ != nullptr && gamepad_->isDown(virtualKey)) {
        return true;
    }
    if (virtualKey > 0 && virtualKey < static_cast<int>(touched_.size()) &&
        touched_[static_cast<std::size_t>(virtualKey)]) {
        return true;
    }
    const Uint8* keys = SDL_GetKeyboardState(nullptr);
    switch (virtualKey) {
        case 0x26:
            return keys[SDL_SCANCODE_UP] != 0;
        case 0x28:
            return keys[SDL_SCANCODE_DOWN] != 0;
        case 0x25:
            return keys[SDL_SCANCODE_LEFT] != 0;
        case 0x27:
            return keys[SDL_SCANCODE_RIGHT] != 0;
        // Z and Enter decide too, X cancels, as players of such games expect. Enter meant for
        // the menu strip or Alt+Enter for fullscreen never reaches the game: the shell holds
        // every key until released after those.
        case 0x20:
            return keys[SDL_SCANCODE_SPACE] != 0 || keys[SDL_SCANCODE_Z] != 0 ||
                   keys[SDL_SCANCODE_RETURN] != 0 || keys[SDL_SCANCODE_KP_ENTER] != 0;
        case 0x10:
            return keys[SDL_SCANCODE_LSHIFT] != 0 || keys[SDL_SCANCODE_RSHIFT] != 0 ||
                   keys[SDL_SCANCODE_X] != 0;
        case 1:
            return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
        case 2:
            return (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON_RMASK) != 0;
        default:
            return false;
    }
}
