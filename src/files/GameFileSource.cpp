#include "files/GameFileSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <streambuf>

#include "platform/GamePath.h"

namespace {

// A stream over bytes that live elsewhere (a zip's unpacked file), seekable as a file is.
class ByteBuffer : public std::streambuf {
public:
    explicit ByteBuffer(std::string_view bytes) {
        char* begin = const_cast<char*>(bytes.data());
        setg(begin, begin, begin + bytes.size());
    }

protected:
    pos_type seekoff(off_type offset, std::ios_base::seekdir dir,
                     std::ios_base::openmode) override {
        const off_type base = dir == std::ios_base::beg   ? 0
                              : dir == std::ios_base::cur ? gptr() - eback()
                                                          : egptr() - eback();
        return seekpos(pos_type(base + offset), std::ios_base::in);
    }
    pos_type seekpos(pos_type position, std::ios_base::openmode) override {
        const off_type at = position;
        if (at < 0 || at > egptr() - eback()) {
            return pos_type(off_type(-1));
        }
        setg(eback(), eback() + at, egptr());
        return position;
    }
};

class ByteStream : public std::istream {
public:
    explicit ByteStream(std::string_view bytes) : std::istream(nullptr), buffer_(bytes) {
        rdbuf(&buffer_);
    }

private:
    ByteBuffer buffer_;
};

bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The file of the folder, opened for reading, with its size; nothing when it is not there.
std::optional<GameFileSource::File> openFile(const std::string& path) {
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!*file) {
        return std::nullopt;
    }
    file->seekg(0, std::ios::end);
    const std::streamoff size = file->tellg();
    file->seekg(0, std::ios::beg);
    if (size < 0 || !*file) {
        return std::nullopt;
    }
    return GameFileSource::File{std::move(file), static_cast<std::uint64_t>(size)};
}

bool isFolder(const std::string& path) {
    std::error_code failed;
    return std::filesystem::is_directory(path, failed);
}

// The mod folder's file of a game path.
std::string inFolder(const std::string& folder, std::string_view gamePath) {
    return folder + "/" + ::gamePath(std::string(gamePath));
}

// The last part of a path, to name a zip in messages.
std::string fileNameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

GameFileSource& GameFileSource::current() {
    static GameFileSource folder;
    return folder;
}

std::string GameFileSource::key(std::string_view gamePath) {
    std::string key;
    std::string step;
    auto endStep = [&] {
        if (!step.empty() && step != ".") {
            key += key.empty() ? "" : "/";
            key += step;
        }
        step.clear();
    };
    for (std::size_t i = 0; i < gamePath.size(); ++i) {
        const auto c = static_cast<unsigned char>(gamePath[i]);
        if (isLeadByte(c) && i + 1 < gamePath.size()) {
            step += gamePath.substr(i, 2);
            ++i;
        } else if (c == '/' || c == '\\') {
            endStep();
        } else {
            step += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        }
    }
    endStep();
    return key;
}

bool GameFileSource::readZip(const std::string& path, ZipArchive& zip, std::string& error) const {
    const std::string name = fileNameOf(path);
    std::optional<File> file = openFile(path);
    if (!file) {
        error = name + ": cannot open the mod";
        return false;
    }
    // The size is checked before the zip is read into memory.
    if (file->size > ZipArchive::kMaxZipBytes) {
        error = name + ": larger than a mod may be (" +
                std::to_string(ZipArchive::kMaxZipBytes >> 20) + " MB)";
        return false;
    }
    std::string bytes(static_cast<std::size_t>(file->size), '\0');
    file->stream->read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::uint64_t>(file->stream->gcount()) != file->size) {
        error = name + ": cannot read the mod";
        return false;
    }
    return zip.read(bytes, name, error);
}

bool GameFileSource::useMod(const std::string& path, std::string& error) {
    if (isFolder(path)) {
        modPath_ = path;
        modIsZip_ = false;
        zip_ = ZipArchive();
        return true;
    }
    ZipArchive zip;
    if (!readZip(path, zip, error)) {
        return false;
    }
    modPath_ = path;
    modIsZip_ = true;
    zip_ = std::move(zip);
    return true;
}

void GameFileSource::dropMod() {
    modPath_.clear();
    modIsZip_ = false;
    zip_ = ZipArchive();
}

bool GameFileSource::rereadMod(std::string& error) {
    if (!modIsZip_) {
        return true;
    }
    ZipArchive zip;
    if (!readZip(modPath_, zip, error)) {
        return false;
    }
    zip_ = std::move(zip);
    return true;
}

std::optional<GameFileSource::File> GameFileSource::open(std::string_view gamePath) const {
    if (modIsZip_) {
        if (const std::string* bytes = zip_.find(gamePath)) {
            return File{std::make_unique<ByteStream>(*bytes), bytes->size()};
        }
    } else if (hasMod()) {
        if (std::optional<File> file = openFile(inFolder(modPath_, gamePath))) {
            return file;
        }
    }
    return openFile(::gamePath(std::string(gamePath)));
}

std::vector<std::string> GameFileSource::modFilesIn(std::string_view folder) const {
    std::vector<std::string> names;
    if (modIsZip_) {
        for (std::string name : zip_.names()) {
            std::replace(name.begin(), name.end(), '\\', '/');
            const std::size_t slash = name.rfind('/');
            if (slash != std::string::npos && key(name.substr(0, slash)) == key(folder)) {
                names.push_back(name.substr(slash + 1));
            }
        }
    } else if (hasMod()) {
        std::error_code failed;
        for (std::filesystem::directory_iterator it(inFolder(modPath_, folder), failed), end;
             !failed && it != end; it.increment(failed)) {
            names.push_back(it->path().filename().string());
        }
    }
    return names;
}

std::vector<std::string> GameFileSource::watchPaths(
    const std::vector<std::string>& gamePaths) const {
    std::vector<std::string> paths;
    if (modIsZip_) {
        paths.push_back(modPath_);
    }
    for (const std::string& name : gamePaths) {
        if (hasMod() && !modIsZip_) {
            paths.push_back(inFolder(modPath_, name));
        }
        paths.push_back(::gamePath(name));
    }
    return paths;
}
