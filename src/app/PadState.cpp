#include "app/PadState.h"

bool PadState::isDown(int virtualKey) const {
    switch (virtualKey) {
        case 0x26:
            return up || stickY <= -kDeadZone;
        case 0x28:
            return down || stickY >= kDeadZone;
        case 0x25:
            return left || stickX <= -kDeadZone;
        case 0x27:
            return right || stickX >= kDeadZone;
        case 0x20:
            return south;
        case 0x10:
            return east;
        default:
            return false;
    }
}
