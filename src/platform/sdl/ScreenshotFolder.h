#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// Where F12 puts a screenshot: the game folder when it may be written, otherwise the player's
// pictures folder, otherwise the home folder. The installed game folder is never written,
// even by a user who could (root).
struct ScreenshotFolder {
    // "" for the game folder (the working folder); none when there is nowhere to write.
    std::optional<std::string> folder;
    std::string why;  // when it is not the game folder: why not, for the player to read
};

// The places the choice is made between.
struct ScreenshotPlaces {
    std::filesystem::path gameFolder;
    std::filesystem::path installedFolder;  // empty when the game is not installed
    std::filesystem::path picturesFolder;   // empty when the desktop names none
    std::filesystem::path home;             // empty when unknown
};

ScreenshotFolder chooseScreenshotFolder(
    const ScreenshotPlaces& places,
    const std::function<bool(const std::filesystem::path&)>& writable);

// The pictures folder named by the text of an XDG user-dirs.dirs file (XDG_PICTURES_DIR, a
// leading $HOME replaced by home). Empty when the text names none, or names the home itself.
std::filesystem::path picturesFolderIn(const std::string& userDirs,
                                       const std::filesystem::path& home);

// The choice on this machine: the working folder, the installed folder, $HOME and
// $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/user-dirs.dirs).
ScreenshotFolder screenshotFolder();
