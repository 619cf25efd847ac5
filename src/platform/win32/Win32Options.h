#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The Windows executable's few options. Without any the game runs as a player starts it.
//   --data DIR   change into the game folder DIR before anything loads
//   --mod MOD    play the mod MOD (a .zip or a folder) laid over the game folder
//   --seed N     seed the random generator with N instead of the calendar time
//   --mute       no sound output
//   --frames N   run N frames, then keep showing the last picture (for window tests)
//   --lang LL    play in the language of lang/LL.po
struct Win32Options {
    std::string dataDir;
    std::string mod;
    std::string lang;
    std::optional<std::uint32_t> seed;
    bool mute = false;
    int frames = 0;  // 0: no limit

    // Reads the arguments after the program name. On a bad argument returns false and puts a
    // one-line message naming it into error.
    bool parse(const std::vector<std::string>& arguments, std::string& error);
};
