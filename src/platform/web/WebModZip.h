#pragma once

#include <string>

// The page's mod zips, opened and made inside the program: a mod chosen in the page is
// unpacked into a folder of the in-memory file system (which the game then reads as --mod
// reads a folder), and the workbench's Download packs the mod's files.
namespace WebModZip {

// Every file of the zip into folder, by its game path ("/" between folders), read by the
// game's own zip reader with its limits. Empty when unpacked, else its one-line refusal.
std::string unpack(const std::string& zipFile, const std::string& folder);
// Every file under folder into a new zip at zipFile, each named by its path below folder with
// "/" between folders, compressed. Empty when written, else what went wrong.
std::string pack(const std::string& folder, const std::string& zipFile);

}  // namespace WebModZip
