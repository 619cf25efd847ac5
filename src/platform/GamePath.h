#pragma once

#include <cstddef>
#include <string>

// Game files are named relative to the working directory, some with a backslash as the
// folder separator ("image\goal.png", and any src line of script.dat). Off Windows the
// backslash is read as a forward slash. Names are Shift-JIS, where 0x5C can also be the second
// byte of a two-byte character; those bytes are left alone.
inline std::string gamePath(std::string name) {
#ifndef _WIN32
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            ++i;  // skip the second byte of a two-byte character
        } else if (c == '\\') {
            name[i] = '/';
        }
    }
#endif
    return name;
}
