#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The files of a mod zip, unpacked into memory by libzip. A zip is outside input: every entry
// is checked against the limits below from the central directory before anything of it is
// unpacked, and the whole zip is refused with one line naming the entry at the first problem.
// Nothing is ever written to disk. Entry names may use "/" or "\" and are Shift-JIS (or UTF-8
// when the entry says so, then converted); they are found by their file key (GameFileSource::key).
class ZipArchive {
public:
    // More entries than this (folders included) refuse the zip.
    static constexpr std::size_t kMaxEntries = 1000;
    // All files together unpack to at most this many bytes: more is a zip bomb.
    static constexpr std::uint64_t kMaxUnpackedBytes = 64ULL * 1024 * 1024;
    // A zip file larger than this cannot hold files within kMaxUnpackedBytes (a deflated file
    // is never much larger than the file itself), so it is refused before it is read.
    static constexpr std::uint64_t kMaxZipBytes = kMaxUnpackedBytes + 4ULL * 1024 * 1024;
    // Longest entry name, in bytes.
    static constexpr std::size_t kMaxNameBytes = 1024;

    // Unpacks the zip held in bytes; zipName names it in the error. On a refusal returns
    // false, holds no files and puts one line into error.
    bool read(std::string_view bytes, const std::string& zipName, std::string& error);

    // The unpacked bytes of the file with that game path, or null.
    const std::string* find(std::string_view gamePath) const;
    // The entry names of the files, as the zip spells them, in key order.
    std::vector<std::string> names() const;
    std::size_t fileCount() const { return files_.size(); }

private:
    // Checks and unpacks every entry into files_; the problem in words, or empty.
    std::string readEntries(std::string_view bytes);

    struct File {
        std::string name;  // as the zip spells it (after any UTF-8 conversion)
        std::string bytes;
    };
    std::map<std::string, File> files_;  // by GameFileSource::key of the name
};
