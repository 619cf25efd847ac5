#include "app/InputState.h"

#include "platform/KeySource.h"

InputState::InputState()
    : keyCode{0x26, 0x28, 0x25, 0x27, 0x20, 0x10}, secondKeyCode{0, 0, 0, 0, 1, 2} {}

void InputState::poll(const KeySource& keys) {
    for (int i = 0; i < ButtonCount; ++i) {
        if (injectedPress[i]) {
            ++heldFrames[i];
            injectedPress[i] = 0;
        } else if ((keyCode[i] != 0 && keys.isDown(keyCode[i])) ||
                   (secondKeyCode[i] != 0 && keys.isDown(secondKeyCode[i]))) {
            ++heldFrames[i];
        } else {
            heldFrames[i] = 0;
        }
    }
}
