// The Windows executable: the game in its window, started in the game folder (script.dat,
// image\, sound\) or in the folder given by --data.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "files/GameFileSource.h"
#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32Options.h"
#include "platform/win32/Win32Shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    Win32Options options;
    std::string error;
    if (!options.parse(std::vector<std::string>(__argv + 1, __argv + __argc), error)) {
        Win32Dialogs::commandLineBox(error, MB_OK | MB_ICONERROR);
        return 2;
    }
    // A mod named from where the program started stays that file after the change of folder.
    if (!options.mod.empty()) {
        char full[MAX_PATH];
        const DWORD length = GetFullPathNameA(options.mod.c_str(), MAX_PATH, full, nullptr);
        if (length > 0 && length < MAX_PATH) {
            options.mod = full;
        }
    }
    // Every game file is named relative to the game folder, so change into it first.
    if (!options.dataDir.empty() && !SetCurrentDirectoryA(options.dataDir.c_str())) {
        const std::string text = "cannot use the game folder '" + options.dataDir + "'";
        Win32Dialogs::commandLineBox(text, MB_OK | MB_ICONERROR);
        return 1;
    }
    if (!options.mod.empty() && !GameFileSource::current().useMod(options.mod, error)) {
        Win32Dialogs::commandLineBox(error, MB_OK | MB_ICONERROR);
        return 1;
    }
    Win32Shell shell(instance, options);
    return shell.run(showCommand);
}
