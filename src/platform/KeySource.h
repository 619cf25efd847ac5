#pragma once

// Answers whether a key or mouse button is down at this moment. Keys are named by their
// virtual-key codes: 0x26 up, 0x28 down, 0x25 left, 0x27 right, 0x20 space, 0x10 shift,
// 1 left mouse button, 2 right mouse button. Code 0 is never down.
class KeySource {
public:
    virtual ~KeySource() = default;
    virtual bool isDown(int virtualKey) const = 0;
};
