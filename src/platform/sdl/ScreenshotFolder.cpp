#include "platform/sdl/ScreenshotFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/sdl/InstalledGameFolder.h"

namespace fs = std::filesystem;

namespace {

// "/a/b/", "/a/./b" and "/a/b" alike.
fs::path plainFolder(const fs::path& folder) {
    const fs::path normal = folder.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

// The same folder, by name or, for folders that exist, by what they are (links followed).
bool sameFolder(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    std::error_code failed;
    return plainFolder(a) == plainFolder(b) || (fs::equivalent(a, b, failed) && !failed);
}

bool writableFolder(const fs::path& folder) {
    std::error_code failed;
    return fs::is_directory(folder, failed) && ::access(folder.c_str(), W_OK) == 0;
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

ScreenshotFolder chooseScreenshotFolder(const ScreenshotPlaces& places,
                                        const std::function<bool(const fs::path&)>& writable) {
    std::string why;
    if (sameFolder(places.gameFolder, places.installedFolder)) {
        why = "the installed game folder is only read";
    } else if (writable(places.gameFolder)) {
        return {std::string(), {}};
    } else {
        why = "the game folder cannot be written";
    }
    for (const fs::path& folder : {places.picturesFolder, places.home}) {
        if (!folder.empty() && writable(folder)) {
            return {folder.string(), why};
        }
    }
    // Nowhere writable: the home folder is tried all the same, so the failure names it.
    if (places.home.empty()) {
        return {std::nullopt, why};
    }
    return {places.home.string(), why};
}

fs::path picturesFolderIn(const std::string& userDirs, const fs::path& home) {
    std::istringstream lines(userDirs);
    std::string line;
    const std::string key = "XDG_PICTURES_DIR=";
    fs::path found;
    while (std::getline(lines, line)) {
        if (line.rfind(key, 0) != 0) {
            continue;
        }
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            if (home.empty()) {
                continue;
            }
            value = home.string() + value.substr(5);
        }
        found = plainFolder(value);
    }
    // A pictures folder set to the home itself is how the desktop says it has none.
    if (!found.is_absolute() || sameFolder(found, home)) {
        return {};
    }
    return found;
}

ScreenshotFolder screenshotFolder() {
    ScreenshotPlaces places;
    std::error_code failed;
    places.gameFolder = fs::current_path(failed);
    places.installedFolder = installedGameFolder();
    places.home = environment("HOME");
    fs::path config = environment("XDG_CONFIG_HOME");
    if (config.empty() && !places.home.empty()) {
        config = places.home / ".config";
    }
    std::ifstream file(config / "user-dirs.dirs");
    std::stringstream text;
    text << file.rdbuf();
    places.picturesFolder = picturesFolderIn(text.str(), places.home);
    return chooseScreenshotFolder(places, writableFolder);
}
