#pragma once

#include <string>
#include <vector>

// What an automatic player and its report need to know of a data file, read once before
// any game: the normal attack's strength and the enemies' names in battle-ground order.
struct ContentFacts {
    bool loaded = false;
    std::string error;  // UTF-8, when the file did not load
    int normalStrength = 0;
    std::vector<std::string> enemyNames;  // UTF-8
    std::vector<std::string> heroNames;   // UTF-8, in roster order

    // Reads path (in the working directory's game folder) without its pictures.
    static ContentFacts read(const std::string& path);
};
