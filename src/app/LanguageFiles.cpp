#include "app/LanguageFiles.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>

#include "app/Game.h"
#include "files/GameFileSource.h"
#include "text/PoFile.h"
#include "text/Translation.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kLanguageFolder = "lang";

std::string languageList() {
    const std::vector<std::string> codes = availableLanguages();
    if (codes.empty()) {
        return "there are none in lang/";
    }
    std::string list = "there are:";
    for (const std::string& code : codes) {
        list += " " + code;
    }
    return list;
}

}  // namespace

bool isLanguageCode(std::string_view code) {
    return !code.empty() && code.size() <= 16 && std::all_of(code.begin(), code.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '@';
    });
}

std::vector<std::string> availableLanguages() {
    // The game folder's, and a mod's own.
    std::vector<std::string> names = GameFileSource::current().modFilesIn(kLanguageFolder);
    std::error_code failed;
    for (fs::directory_iterator it(kLanguageFolder, failed), end; !failed && it != end;
         it.increment(failed)) {
        names.push_back(it->path().filename().string());
    }
    std::vector<std::string> codes;
    for (const std::string& name : names) {
        const fs::path path(name);
        const std::string code = path.stem().string();
        if (path.extension() == ".po" && isLanguageCode(code)) {
            codes.push_back(code);
        }
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return codes;
}

std::string languageFilePath(std::string_view code) {
    return std::string(kLanguageFolder) + "/" + std::string(code) + ".po";
}

bool loadLanguage(std::string_view code, Translation& translation, std::string& error) {
    if (!isLanguageCode(code)) {
        error = "'" + std::string(code) + "' is no language code; " + languageList();
        return false;
    }
    std::string bytes;
    if (!readLanguageFile(code, bytes)) {
        error = "no translation '" + std::string(code) + "' (" + languageFilePath(code) + "); " +
                languageList();
        return false;
    }
    translation = Translation::fromPo(bytes);
    return true;
}

bool readLanguageFile(std::string_view code, std::string& bytes) {
    if (!isLanguageCode(code)) {
        return false;
    }
    // A game file like any other: a mod may bring its own translation.
    std::optional<GameFileSource::File> file =
        GameFileSource::current().open(languageFilePath(code));
    if (!file) {
        return false;
    }
    // No more than the reader takes (it refuses a longer file), so a huge file costs nothing.
    bytes.assign(
        static_cast<std::size_t>(std::min<std::uint64_t>(file->size, PoFile::kMaxFileBytes + 1)),
        '\0');
    file->stream->read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file->stream->gcount()));
    return true;
}

bool useLanguage(Game& game, const std::string& code, std::ostream& err) {
    std::string error;
    if (!game.setLanguage(code, error)) {
        err << "velkaros: " << error << '\n';
        return false;
    }
    for (const Translation::Problem& problem : game.translation().problems()) {
        err << languageFilePath(code) << ':' << problem.line << ": " << problem.message << '\n';
    }
    return true;
}
