#include "platform/sdl/InstalledGameFolder.h"

#include <system_error>

// The build passes the path its install rules use; this is Debian's layout.
#ifndef VK_GAME_FOLDER_FROM_EXE
#define VK_GAME_FOLDER_FROM_EXE "../share/games/velkaros"
#endif

namespace fs = std::filesystem;

fs::path executablePath() {
    std::error_code failed;
    fs::path self = fs::read_symlink("/proc/self/exe", failed);
    return failed ? fs::path() : self;
}

fs::path installedGameFolder(const fs::path& executable, const fs::path& fromExecutable) {
    if (executable.empty()) {
        return {};
    }
    const fs::path folder = (executable.parent_path() / fromExecutable).lexically_normal();
    std::error_code failed;
    return fs::is_regular_file(folder / "script.dat", failed) ? folder : fs::path();
}

fs::path installedGameFolder() {
    return installedGameFolder(executablePath(), VK_GAME_FOLDER_FROM_EXE);
}

std::string gameFolderWithoutData(const std::string& dataFile, const fs::path& workingFolder,
                                  const fs::path& installed) {
    std::error_code failed;
    // A data file the working folder has, even a broken one, is the player's or modder's.
    if (installed.empty() || fs::exists(workingFolder / dataFile, failed) || failed) {
        return {};
    }
    return installed.string();
}

std::string gameFolderWithoutData(const std::string& dataFile) {
    std::error_code failed;
    const fs::path working = fs::current_path(failed);
    if (failed) {
        return {};
    }
    return gameFolderWithoutData(dataFile, working, installedGameFolder());
}
