#pragma once

#include "platform/KeySource.h"

// Keys and mouse buttons straight from the asynchronous key state: a key is down when the
// state's top bit is set now. The bit that reports a press since the last call is not used,
// so a key pressed and let go between two polls is not seen.
class Win32KeySource : public KeySource {
public:
    bool isDown(int virtualKey) const override;
};
