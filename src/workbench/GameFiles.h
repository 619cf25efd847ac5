#pragma once

#include <string>
#include <vector>

// Every file a load of the game reads besides the music: the data file, each picture its src
// lines name, the window pictures, the blink frames and the track pictures. Paths as the game
// opens them (a backslash read as "/" off Windows).
class GameFiles {
public:
    // The data file's src lines are found by a plain look at its lines, so a file that does not
    // load still names what it would read.
    static std::vector<std::string> list(const std::string& dataFile);
    // The pictures named by src lines of the data file, in file order, each once.
    static std::vector<std::string> scriptPictures(const std::string& dataFile);
};
