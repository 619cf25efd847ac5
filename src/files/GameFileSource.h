#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/ZipArchive.h"

// The one place that opens game files: the data file, the pictures and the music, each by its
// game path as the game writes it (Shift-JIS, "\" or "/", relative to the game folder). A mod
// (a zip, or a folder) may lie over the game folder: a file the mod has comes from the mod,
// any other from the folder. The readers get the file's bytes as a stream and never learn
// where they came from. A zip mod is unpacked into memory once, when it is chosen and when it
// is read again (F5, --watch), so a zip changed meanwhile never mixes with the old one.
class GameFileSource {
public:
    // An opened game file: its bytes from the front, and how many there are.
    struct File {
        std::unique_ptr<std::istream> stream;
        std::uint64_t size = 0;
    };

    // The game files of the process: the working folder, and the mod the entry point chose.
    static GameFileSource& current();

    // Lays the mod at path (a zip file, or a folder) over the game folder. A zip that is
    // refused leaves the mod as it was and puts one line naming the problem into error.
    bool useMod(const std::string& path, std::string& error);
    // Back to the game folder alone.
    void dropMod();
    // Reads the mod zip again (F5, --watch); a refused zip keeps the files read before.
    bool rereadMod(std::string& error);
    bool hasMod() const { return !modPath_.empty(); }
    const std::string& modPath() const { return modPath_; }

    // The file at that game path, from the mod if it has it, or nothing when there is none.
    std::optional<File> open(std::string_view gamePath) const;
    // The files on disk whose changes change what open gives for these game paths (for
    // --watch): the mod zip, the mod folder's files and the game folder's.
    std::vector<std::string> watchPaths(const std::vector<std::string>& gamePaths) const;
    // The names of the mod's files directly in one folder of the game ("lang"): a zip's
    // entries there, or the mod folder's files; none without a mod.
    std::vector<std::string> modFilesIn(std::string_view folder) const;

    // One key per file however a game path spells it: "\" and "/" alike, "." and empty steps
    // left out, ASCII letters in lower case (mods are made where case does not matter).
    // Second bytes of Shift-JIS characters are left alone.
    static std::string key(std::string_view gamePath);

private:
    bool readZip(const std::string& path, ZipArchive& zip, std::string& error) const;

    std::string modPath_;
    bool modIsZip_ = false;
    ZipArchive zip_;
};
