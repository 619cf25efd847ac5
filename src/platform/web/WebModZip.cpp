#include "platform/web/WebModZip.h"

#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "files/ZipArchive.h"
#include "platform/GamePath.h"

namespace WebModZip {

std::string unpack(const std::string& zipFile, const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code failed;
    const auto size = fs::file_size(zipFile, failed);
    if (failed) {
        return zipFile + ": " + failed.message();
    }
    if (size > ZipArchive::kMaxZipBytes) {
        return zipFile + ": larger than " + std::to_string(ZipArchive::kMaxZipBytes) + " bytes";
    }
    std::ifstream in(zipFile, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ZipArchive zip;
    std::string error;
    if (!zip.read(bytes, fs::path(zipFile).filename().string(), error)) {
        return error;
    }
    for (const std::string& name : zip.names()) {
        // The reader has refused absolute names and steps up: each lies below the folder.
        const fs::path file = fs::path(folder) / gamePath(name);
        fs::create_directories(file.parent_path(), failed);
        std::ofstream out(file, std::ios::binary);
        const std::string* data = zip.find(name);
        if (failed || !out || data == nullptr ||
            !out.write(data->data(), static_cast<std::streamsize>(data->size()))) {
            return name + ": cannot be unpacked";
        }
    }
    return "";
}

std::string pack(const std::string& folder, const std::string& zipFile) {
    namespace fs = std::filesystem;
    std::error_code failed;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(folder, failed), end; !failed && it != end;
         it.increment(failed)) {
        if (it->is_regular_file()) {
            files.push_back(it->path());
        }
    }
    if (failed) {
        return folder + ": " + failed.message();
    }
    // Sorted: the same files always give the same zip.
    std::sort(files.begin(), files.end());

    int error = 0;
    zip_t* archive = zip_open(zipFile.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        zip_error_t why;
        zip_error_init_with_code(&why, error);
        std::string text = zipFile + ": " + zip_error_strerror(&why);
        zip_error_fini(&why);
        return text;
    }
    for (const fs::path& file : files) {
        const std::string name = file.lexically_relative(folder).generic_string();
        // libzip reads the whole file (-1: to its end) at zip_close.
        zip_source_t* source = zip_source_file(archive, file.c_str(), 0, -1);
        const zip_int64_t index =
            source == nullptr
                ? -1
                : zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_GUESS);
        if (index < 0) {
            if (source != nullptr) {
                zip_source_free(source);
            }
            std::string text = name + ": " + zip_strerror(archive);
            zip_discard(archive);
            return text;
        }
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
    }
    if (zip_close(archive) != 0) {
        std::string text = zipFile + ": " + zip_strerror(archive);
        zip_discard(archive);
        return text;
    }
    return "";
}

}  // namespace WebModZip
