#include "files/ZipArchive.h"

#include <zip.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "files/GameFileSource.h"
#include "text/Utf8ToSjis.h"

namespace {

struct ZipCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipCloser>;
using EntryHandle = std::unique_ptr<zip_file_t, EntryCloser>;

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The name as a message shows it: control characters as "?", so a hostile name cannot break
// the line; Shift-JIS and UTF-8 bytes are left as they are.
std::string shown(std::string_view name) {
    std::string text = "\"";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return text + "\"";
}

// Why a name cannot be a game path, or null: the files of a mod lie inside the game folder.
const char* pathProblem(std::string_view name) {
    if (name.empty()) {
        return "has no name";
    }
    if (name[0] == '/' || name[0] == '\\') {
        return "is an absolute path";
    }
    const auto first = static_cast<unsigned char>(name[0]);
    if (name.size() >= 2 && name[1] == ':' && first < 0x80 && std::isalpha(first) != 0) {
        return "names a drive";
    }
    std::string_view::size_type start = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && isLeadByte(static_cast<unsigned char>(name[i]))) {
            ++i;  // a second byte 0x5C is part of the character, not a separator
            continue;
        }
        if (i == name.size() || name[i] == '/' || name[i] == '\\') {
            if (name.substr(start, i - start) == "..") {
                return "climbs out of the game folder (\"..\")";
            }
            start = i + 1;
        }
    }
    return nullptr;
}

// A name stored as UTF-8 (the entry's flag) comes out of libzip unchanged with
// ZIP_FL_ENC_STRICT, while a name without the flag is converted from code page 437 and so
// differs from its raw bytes as soon as it holds a byte outside ASCII.
bool storedAsUtf8(zip_t* zip, zip_uint64_t index, std::string_view raw) {
    const bool outsideAscii = std::any_of(
        raw.begin(), raw.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    const char* strict = zip_get_name(zip, index, ZIP_FL_ENC_STRICT);
    return outsideAscii && strict != nullptr && raw == strict;
}

// Whether the name ends in a folder separator (not the second byte of a character).
bool endsWithSeparator(std::string_view name) {
    bool separator = false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        separator = name[i] == '/' || name[i] == '\\';
        if (isLeadByte(static_cast<unsigned char>(name[i]))) {
            ++i;
        }
    }
    return separator;
}

// Opens the zip held in bytes; on failure code and reason say why.
ZipHandle open(std::string_view bytes, int flags, int& code, std::string& reason) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    zip_t* zip = source != nullptr ? zip_open_from_source(source, flags, &error) : nullptr;
    if (zip == nullptr) {
        zip_source_free(source);
        code = zip_error_code_zip(&error);
        reason = zip_error_strerror(&error);
    }
    zip_error_fini(&error);
    return ZipHandle(zip);
}

// Reads the entry's name (a UTF-8 name converted to Shift-JIS) and its directory record, and
// checks both; the problem in words, or empty.
std::string checkEntry(zip_t* zip, zip_uint64_t index, std::string& name, zip_stat_t& stat) {
    const char* rawName = zip_get_name(zip, index, ZIP_FL_ENC_RAW);
    if (rawName == nullptr) {
        return "entry " + std::to_string(index + 1) + " has no readable name";
    }
    name = rawName;
    if (name.size() > ZipArchive::kMaxNameBytes) {
        return "entry " + shown(name.substr(0, 64)) + "... has a name longer than " +
               std::to_string(ZipArchive::kMaxNameBytes) + " bytes";
    }
    // Game paths are Shift-JIS: a name the zip stores as UTF-8 is converted.
    if (storedAsUtf8(zip, index, name)) {
        const Utf8ToSjisResult sjis = utf8ToSjis(name);
        if (!sjis.ok()) {
            return "entry " + shown(name) + " has a name the game cannot spell (" +
                   describeUtf8ToSjisFailure(sjis) + ")";
        }
        name = sjis.sjis;
    }
    if (const char* problem = pathProblem(name)) {
        return "entry " + shown(name) + " " + problem;
    }
    zip_stat_init(&stat);
    if (zip_stat_index(zip, index, ZIP_FL_ENC_RAW, &stat) != 0 ||
        (stat.valid & ZIP_STAT_SIZE) == 0) {
        return "entry " + shown(name) + " cannot be read (" + zip_strerror(zip) + ")";
    }
    if (endsWithSeparator(name)) {
        return "";  // a folder holds nothing to unpack
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) != 0 && stat.encryption_method != ZIP_EM_NONE) {
        return "entry " + shown(name) + " is encrypted";
    }
    if ((stat.valid & ZIP_STAT_COMP_METHOD) == 0 ||
        (stat.comp_method != ZIP_CM_STORE && stat.comp_method != ZIP_CM_DEFLATE)) {
        return "entry " + shown(name) + " is compressed by method " +
               std::to_string(stat.comp_method) + "; the game reads stored and deflated files";
    }
    return "";
}

// Unpacks the entry into bytes, never more than it says it holds; the problem, or empty. The
// bytes grow as they arrive, so an entry claiming more than it holds costs only what it holds.
std::string unpack(zip_t* zip, zip_uint64_t index, std::string& bytes) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    zip_stat_index(zip, index, 0, &stat);
    EntryHandle entry(zip_fopen_index(zip, index, 0));
    if (!entry) {
        return std::string("cannot be unpacked (") + zip_strerror(zip) + ")";
    }
    bytes.clear();
    std::vector<char> piece(64 * 1024);
    for (;;) {
        // One byte past the stated size is asked for, to catch an entry holding more.
        const zip_uint64_t room = stat.size - bytes.size() + 1;
        const zip_int64_t got =
            zip_fread(entry.get(), piece.data(), std::min<zip_uint64_t>(piece.size(), room));
        if (got < 0) {
            return std::string("is broken (") + zip_file_strerror(entry.get()) + ")";
        }
        if (static_cast<zip_uint64_t>(got) == room) {
            return "does not hold the size it states";  // more than it says
        }
        if (got == 0) {
            break;
        }
        bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
    if (bytes.size() != stat.size) {
        return "does not hold the size it states";
    }
    return "";
}

}  // namespace

bool ZipArchive::read(std::string_view bytes, const std::string& zipName, std::string& error) {
    files_.clear();
    std::string problem =
        bytes.size() > kMaxZipBytes
            ? "larger than a mod may be (" + std::to_string(kMaxZipBytes >> 20) + " MB)"
            : readEntries(bytes);
    if (!problem.empty()) {
        files_.clear();
        error = zipName + ": " + problem;
        return false;
    }
    return true;
}

std::string ZipArchive::readEntries(std::string_view bytes) {
    // ZIP_CHECKCONS compares every entry's local header with the central directory. It also
    // refuses a name given twice without saying which, so such a zip is opened again without
    // it: the checks below then name the entry.
    int code = 0;
    std::string reason;
    ZipHandle zip = open(bytes, ZIP_RDONLY | ZIP_CHECKCONS, code, reason);
    if (!zip && code == ZIP_ER_EXISTS) {
        zip = open(bytes, ZIP_RDONLY, code, reason);
    }
    if (!zip) {
        return "not a zip, or its directory is broken (" + reason + ")";
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    if (count < 0 || static_cast<zip_uint64_t>(count) > kMaxEntries) {
        return "holds " + std::to_string(count) + " entries, more than " +
               std::to_string(kMaxEntries);
    }
    // Every entry is checked from the directory before any is unpacked.
    std::uint64_t total = 0;
    std::vector<std::pair<zip_uint64_t, std::string>> wanted;  // index and key of each file
    std::map<std::string, std::string> keys;                   // every entry's name by its key
    for (zip_uint64_t i = 0; i < static_cast<zip_uint64_t>(count); ++i) {
        std::string name;
        zip_stat_t stat;
        if (std::string problem = checkEntry(zip.get(), i, name, stat); !problem.empty()) {
            return problem;
        }
        const std::string key = GameFileSource::key(name);
        if (!keys.insert({key, name}).second) {
            return "entry " + shown(name) + " is in the zip twice (as " + shown(keys[key]) + ")";
        }
        if (endsWithSeparator(name)) {
            continue;  // a folder
        }
        if (stat.size > kMaxUnpackedBytes - total) {
            return "entry " + shown(name) + " would unpack past " +
                   std::to_string(kMaxUnpackedBytes >> 20) + " MB in all";
        }
        total += stat.size;
        files_[key] = File{name, {}};
        wanted.emplace_back(i, key);
    }
    for (const auto& [index, key] : wanted) {
        File& file = files_[key];
        if (std::string problem = unpack(zip.get(), index, file.bytes); !problem.empty()) {
            return "entry " + shown(file.name) + " " + problem;
        }
    }
    return "";
}

const std::string* ZipArchive::find(std::string_view gamePath) const {
    const auto found = files_.find(GameFileSource::key(gamePath));
    return found != files_.end() ? &found->second.bytes : nullptr;
}

std::vector<std::string> ZipArchive::names() const {
    std::vector<std::string> names;
    for (const auto& [key, file] : files_) {
        names.push_back(file.name);
    }
    return names;
}
