// Replays fuzz inputs without libFuzzer: every file named on the command line, and every file
// inside a named folder. Runs in the normal test suite over the seed corpus, so a crash the
// fuzzer once found stays fixed. A file whose name starts with "ok_" must be accepted and one
// starting with "bad_" refused; any other file only has to be read without harm. Every file
// must also read the same through the game's file-based reader.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/FuzzTarget.h"

namespace fs = std::filesystem;

namespace {

bool replay(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path.string() << ": cannot open\n";
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
    const bool accepted =
        fuzzLoad(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const std::string name = path.filename().string();
    if (name.starts_with("ok_") && !accepted) {
        std::cerr << path.string() << ": refused, but it is a valid file\n";
        return false;
    }
    if (name.starts_with("bad_") && accepted) {
        std::cerr << path.string() << ": accepted, but it is a broken file\n";
        return false;
    }
    if (!sameAsFileLoad(path.string().c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()),
                        bytes.size())) {
        std::cerr << path.string() << ": the file reader and the memory reader disagree\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path argument(argv[i]);
        if (fs::is_directory(argument)) {
            for (const auto& entry : fs::directory_iterator(argument)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
        } else {
            files.push_back(argument);
        }
    }
    std::sort(files.begin(), files.end());
    int failed = 0;
    for (const fs::path& file : files) {
        failed += replay(file) ? 0 : 1;
    }
    std::cout << files.size() - failed << " passed, " << failed << " failed\n";
    return failed == 0 && !files.empty() ? 0 : 1;
}
