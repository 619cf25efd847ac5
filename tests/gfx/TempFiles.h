#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// A folder of files written by one test process, removed when the test ends. Each test runs
// in its own process under CTest, so the process id keeps parallel runs apart.
class TempFiles {
public:
    TempFiles()
        : folder_(std::filesystem::temp_directory_path() /
                  ("vk_gfx_test_" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder_);
    }
    ~TempFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFiles(const TempFiles&) = delete;
    TempFiles& operator=(const TempFiles&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    std::string write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        const std::string file = path(name);
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    std::filesystem::path folder_;
};
