// Every data file the game ships or the tests load is Shift-JIS (or plain ASCII) and is not
// taken for UTF-8; the UTF-8 source of the shipped file reads as the shipped file, pictures and
// all.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/DataManager.h"
#include "data/Utf8Script.h"
#include "gfx/Image.h"

namespace fs = std::filesystem;

namespace {

bool isUtf8(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    return Utf8Script::isUtf8(in);
}

}  // namespace

TEST(DataFileEncoding, ShippedFileAndEveryFixtureAreNotTakenForUtf8) {
    EXPECT_FALSE(isUtf8(fs::path(VK_BINARY_DIR) / "game" / "script.dat"));
    int fixtures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(VK_SOURCE_DIR) / "tests")) {
        // Files named for UTF-8 are so on purpose (the fuzz seeds of the conversion).
        const bool meantUtf8 = entry.path().filename().string().find("utf8") != std::string::npos;
        if (entry.is_regular_file() && entry.path().extension() == ".dat" && !meantUtf8) {
            EXPECT_FALSE(isUtf8(entry.path())) << entry.path();
            ++fixtures;
        }
    }
    EXPECT_GE(fixtures, 10);
}

TEST(DataFileEncoding, Utf8SourceOfTheShippedFileReadsAsTheShippedFile) {
    const fs::path source = fs::path(VK_SOURCE_DIR) / "content" / "script.dat.utf8";
    const fs::path shipped = fs::path(VK_BINARY_DIR) / "game" / "script.dat";
    ASSERT_TRUE(isUtf8(source));
    std::ifstream in(source, std::ios::binary);
    EXPECT_FALSE(Utf8Script::findProblem(in));
    Utf8Script sjis(*in.rdbuf());
    std::ifstream expected(shipped, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(&sjis), {}),
              std::string(std::istreambuf_iterator<char>(expected), {}));

    // Loaded in the game folder, both give the same fighters and the same pictures.
    const fs::path previous = fs::current_path();
    fs::current_path(shipped.parent_path());
    DataManager fromShiftJis;
    DataManager fromUtf8;
    fromShiftJis.setQuiet(true);
    fromUtf8.setQuiet(true);
    ASSERT_TRUE(fromShiftJis.load("script.dat"));
    ASSERT_TRUE(fromUtf8.load(source.string()));
    fs::current_path(previous);
    EXPECT_TRUE(fromShiftJis.imageFailures().empty());
    EXPECT_TRUE(fromUtf8.imageFailures().empty());
    ASSERT_EQ(fromUtf8.enemyCount(), fromShiftJis.enemyCount());
    for (int i = 0; i < fromShiftJis.enemyCount(); ++i) {
        EXPECT_EQ(fromUtf8.enemyState(i)->name(), fromShiftJis.enemyState(i)->name());
    }
    ASSERT_EQ(fromUtf8.imageTable().size(), fromShiftJis.imageTable().size());
    for (const auto& [name, image] : fromShiftJis.imageTable()) {
        ASSERT_EQ(fromUtf8.imageTable().count(name), 1u) << name;
        if (image == nullptr) {  // NULL
            EXPECT_EQ(fromUtf8.imageTable().at(name), nullptr);
            continue;
        }
        const Image& other = *fromUtf8.imageTable().at(name);
        ASSERT_EQ(other.width(), image->width()) << name;
        ASSERT_EQ(other.height(), image->height()) << name;
        for (int y = 0; y < image->height(); ++y) {
            for (int x = 0; x < image->width(); ++x) {
                ASSERT_EQ(other.pixel(x, y), image->pixel(x, y)) << name;
            }
        }
    }
}
