// vk_sjis_literals IN OUT: writes IN with its texts as code page 932 escapes (SjisLiterals.h).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "SjisLiterals.h"

namespace {

bool readFile(const std::filesystem::path& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vk_sjis_literals IN OUT\n";
        return 2;
    }
    std::string source;
    if (!readFile(argv[1], source)) {
        std::cerr << "vk_sjis_literals: cannot read " << argv[1] << '\n';
        return 1;
    }
    std::string converted;
    std::string error;
    if (!toShiftJisLiterals(source, converted, error)) {
        std::cerr << argv[1] << ": " << error << '\n';
        return 1;
    }
    const std::filesystem::path out(argv[2]);
    std::error_code failed;
    std::filesystem::create_directories(out.parent_path(), failed);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file << converted;
    file.close();
    if (!file) {
        std::cerr << "vk_sjis_literals: cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
