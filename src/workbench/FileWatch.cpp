#include "workbench/FileWatch.h"

void FileWatch::setFiles(const std::vector<std::string>& paths) {
    std::map<std::string, Stamp> kept;
    for (const std::string& path : paths) {
        const auto known = stamps_.find(path);
        kept[path] = known != stamps_.end() ? known->second : look(path);
    }
    stamps_ = std::move(kept);
}

bool FileWatch::changed() {
    bool any = false;
    for (auto& [path, stamp] : stamps_) {
        const Stamp now = look(path);
        if (!(now == stamp)) {
            stamp = now;
            any = true;
        }
    }
    return any;
}

FileWatch::Stamp FileWatch::look(const std::string& path) {
    std::error_code failed;
    Stamp stamp;
    stamp.time = std::filesystem::last_write_time(path, failed);
    if (failed) {
        return Stamp{};
    }
    stamp.size = std::filesystem::file_size(path, failed);
    stamp.exists = !failed;
    return stamp;
}
