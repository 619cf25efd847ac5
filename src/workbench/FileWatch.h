#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Notices changes of a set of files by their modification time and size. Nothing is read:
// one check is a stat of each file, cheap enough to run about once a second. A file that
// appears, goes away or comes back counts as changed too.
class FileWatch {
public:
    // The files to watch from now on. Those already watched keep what was last seen of them,
    // so a change made meanwhile is still noticed; new ones are looked at now.
    void setFiles(const std::vector<std::string>& paths);
    // Looks at every file; true when any differs from the last look.
    bool changed();
    std::size_t size() const { return stamps_.size(); }

private:
    struct Stamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type time{};
        bool operator==(const Stamp&) const = default;
    };
    static Stamp look(const std::string& path);

    std::map<std::string, Stamp> stamps_;
};
