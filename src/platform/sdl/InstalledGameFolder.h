#pragma once

#include <filesystem>
#include <string>

// The installed game keeps its game folder where the install put it relative to the executable
// (games/velkaros beside share/games/velkaros), so a moved tree or a package's staging tree
// finds it too. The game only ever reads that folder.

// The running executable's own file, links resolved; empty when the system does not say.
std::filesystem::path executablePath();

// The game folder that belongs to the executable: fromExecutable taken from the executable's
// folder, when it holds a script.dat. Empty otherwise (a build tree, a copied executable).
std::filesystem::path installedGameFolder(const std::filesystem::path& executable,
                                          const std::filesystem::path& fromExecutable);
std::filesystem::path installedGameFolder();

// The folder to run in when no --data was given: empty (stay in the working folder) when the
// working folder has dataFile or there is no installed game folder, else the installed one.
std::string gameFolderWithoutData(const std::string& dataFile,
                                  const std::filesystem::path& workingFolder,
                                  const std::filesystem::path& installed);
std::string gameFolderWithoutData(const std::string& dataFile);
