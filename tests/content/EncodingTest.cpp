// Every data file the game ships or the tests load is Shift-JIS (or plain ASCII) and passes
// the UTF-8 check; the UTF-8 source of the shipped file is caught at its first Japanese line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/Utf8Sign.h"

namespace fs = std::filesystem;

namespace {

std::optional<Utf8Sign> signOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Utf8Sign::find(in);
}

}  // namespace

TEST(DataFileEncoding, ShippedFileAndEveryFixtureAreNotTakenForUtf8) {
    EXPECT_FALSE(signOf(fs::path(VK_BINARY_DIR) / "game" / "script.dat"));
    int fixtures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(VK_SOURCE_DIR) / "tests")) {
        if (entry.is_regular_file() && entry.path().extension() == ".dat") {
            EXPECT_FALSE(signOf(entry.path())) << entry.path();
            ++fixtures;
        }
    }
    EXPECT_GE(fixtures, 10);
}

TEST(DataFileEncoding, Utf8SourceOfTheShippedFileIsCaught) {
    const fs::path source = fs::path(VK_SOURCE_DIR) / "content" / "script.dat.utf8";
    std::ifstream in(source, std::ios::binary);
    std::string line;
    int first = 0;
    for (int number = 1; first == 0 && std::getline(in, line); ++number) {
        for (const char c : line) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                first = number;
                break;
            }
        }
    }
    ASSERT_GT(first, 0);
    const std::optional<Utf8Sign> sign = signOf(source);
    ASSERT_TRUE(sign);
    EXPECT_EQ(sign->line, first);
}
