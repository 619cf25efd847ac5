// Fuzz target: the mod zip reader over bytes in memory; an accepted zip also has every file
// looked up by its name and by the name in another spelling.
#include <algorithm>

#include "files/GameFileSource.h"
#include "files/ZipArchive.h"
#include "fuzz/FuzzTarget.h"

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    ZipArchive zip;
    std::string error;
    if (!zip.read(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.zip", error)) {
        return false;
    }
    for (std::string name : zip.names()) {
        if (zip.find(name) == nullptr) {
            __builtin_trap();  // every file is found by its own name
        }
        std::replace(name.begin(), name.end(), '/', '\\');
        (void)zip.find(name);
    }
    return true;
}

bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size) {
    ZipArchive fromMemory;
    std::string memoryError;
    const bool inMemory = fromMemory.read(
        std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.zip", memoryError);
    GameFileSource files;
    std::string fileError;
    const bool fromFile = files.useMod(path, fileError);
    // The file's message names the file; the rest of the line is the same.
    const auto reason = [](const std::string& error) { return error.substr(error.find(':')); };
    return fromFile == inMemory && (inMemory || reason(fileError) == reason(memoryError));
}
