#include "platform/sdl/SdlGamepad.h"

#include <algorithm>

namespace {

SDL_JoystickID instanceOf(SDL_GameController* pad) {
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

}  // namespace

bool SdlGamepad::start() {
    if (!started_) {
        started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    }
    return started_;
}

void SdlGamepad::stop() {
    for (SDL_GameController* pad : pads_) {
        SDL_GameControllerClose(pad);
    }
    pads_.clear();
    if (started_) {
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
        started_ = false;
    }
}

void SdlGamepad::handleEvent(const SDL_Event& event) {
    if (!started_) {
        return;
    }
    if (event.type == SDL_CONTROLLERDEVICEADDED) {
        open(event.cdevice.which);  // a device index
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
        close(event.cdevice.which);  // an instance id
    }
}

void SdlGamepad::open(int deviceIndex) {
    // A pad found at start-up can be announced twice; keep one handle per pad.
    const SDL_JoystickID instance = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    for (SDL_GameController* pad : pads_) {
        if (instanceOf(pad) == instance) {
            return;
        }
    }
    SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex);
    if (pad != nullptr) {
        pads_.push_back(pad);
    }
}

void SdlGamepad::close(SDL_JoystickID instance) {
    const auto gone = std::find_if(pads_.begin(), pads_.end(), [&](SDL_GameController* pad) {
        return instanceOf(pad) == instance;
    });
    if (gone != pads_.end()) {
        SDL_GameControllerClose(*gone);
        pads_.erase(gone);
    }
}

bool SdlGamepad::isDown(int virtualKey) const {
    return std::any_of(pads_.begin(), pads_.end(),
                       [&](SDL_GameController* pad) { return read(pad).isDown(virtualKey); });
}

PadState SdlGamepad::read(SDL_GameController* pad) {
    auto button = [pad](SDL_GameControllerButton which) {
        return SDL_GameControllerGetButton(pad, which) != 0;
    };
    PadState state;
    state.up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    // SDL names the face buttons by position: A is the bottom one, B the right one.
    state.south = button(SDL_CONTROLLER_BUTTON_A);
    state.east = button(SDL_CONTROLLER_BUTTON_B);
    state.stickX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    state.stickY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
    return state;
}
