#pragma once

#include <string>

// Game files are named relative to the working directory, some with a backslash as the
// folder separator ("image\goal.png", and any src line of script.dat). Off Windows the
// backslash is read as a forward slash.
inline std::string gamePath(std::string name) {
#ifndef _WIN32
    for (char& c : name) {
        if (c == '\\') {
            c = '/';
        }
    }
#endif
    return name;
}
