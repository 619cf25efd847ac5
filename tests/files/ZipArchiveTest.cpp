// The mod zip reader: files found by any spelling of their game path, and hostile zips refused
// with one line naming the entry, before anything of them is unpacked.
#include "files/ZipArchive.h"

#include <gtest/gtest.h>

#include "SjisText.h"
#include "files/LargestAllocation.h"
#include "files/TestZip.h"

namespace {

const std::string kPicture = "\x89PNG picture bytes";

TEST(ZipArchive, FindsFilesByAnySpellingOfTheirPath) {
    TestZip zip;
    zip.add("image/", "")
        .add("image\\face.png", kPicture)
        .add("Sound/kelmora.wav", std::string(5000, 'w'), true)
        .add("script.dat", "Me\nname x\n");
    ZipArchive archive;
    std::string error;
    ASSERT_TRUE(archive.read(zip.bytes(), "mod.zip", error)) << error;
    EXPECT_EQ(archive.fileCount(), 3u);  // the folder entry is no file
    for (const char* spelling : {"image\\face.png", "image/face.png", "./IMAGE//Face.PNG"}) {
        const std::string* found = archive.find(spelling);
        ASSERT_NE(found, nullptr) << spelling;
        EXPECT_EQ(*found, kPicture);
    }
    ASSERT_NE(archive.find("sound\\kelmora.wav"), nullptr);
    EXPECT_EQ(*archive.find("sound\\kelmora.wav"), std::string(5000, 'w'));
    EXPECT_EQ(archive.find("image/other.png"), nullptr);
    EXPECT_EQ(archive.find("face.png"), nullptr);

    // A Shift-JIS name whose second byte is 0x5C ("ソ") keeps it: no folder there.
    const std::string sjisName = "image\\\x83\x5C.png";
    ZipArchive shiftJis;
    ASSERT_TRUE(shiftJis.read(TestZip().add(sjisName, "so").bytes(), "mod.zip", error)) << error;
    ASSERT_NE(shiftJis.find("image/\x83\x5C.png"), nullptr);
    EXPECT_EQ(shiftJis.find("image/\x83/.png"), nullptr);

    // A name the zip marks as UTF-8 is found by its Shift-JIS spelling.
    TestZip utf8;
    utf8.add("image/勇.png", "brave");
    utf8.entries[0].flags = 0x800;
    ZipArchive converted;
    ASSERT_TRUE(converted.read(utf8.bytes(), "mod.zip", error)) << error;
    ASSERT_NE(converted.find(sjis("image\\勇.png")), nullptr);
}

struct Hostile {
    const char* what;
    std::string zip;
    std::string message;  // the whole line after "mod.zip: "
};

std::vector<Hostile> hostileZips() {
    std::vector<Hostile> cases;
    auto one = [](std::string name, std::string data = "x") {
        return TestZip().add(std::move(name), std::move(data));
    };
    cases.push_back({"parent step", one("../up.png").bytes(),
                     "entry \"../up.png\" climbs out of the game folder (\"..\")"});
    cases.push_back({"parent step inside", one("image\\..\\..\\up.png").bytes(),
                     "entry \"image\\..\\..\\up.png\" climbs out of the game folder (\"..\")"});
    cases.push_back(
        {"absolute path", one("/etc/passwd").bytes(), "entry \"/etc/passwd\" is an absolute path"});
    cases.push_back({"drive letter", one("C:\\game\\script.dat").bytes(),
                     "entry \"C:\\game\\script.dat\" names a drive"});
    cases.push_back({"control character shown as ?", one("a\nb/../../x").bytes(),
                     "entry \"a?b/../../x\" climbs out of the game folder (\"..\")"});

    TestZip utf8 = one("caf\xC3\xA9.png");
    utf8.entries[0].flags = 0x800;
    cases.push_back({"UTF-8 name without Shift-JIS", utf8.bytes(),
                     "entry \"caf\xC3\xA9.png\" has a name the game cannot spell (U+00E9 at byte 3 "
                     "has no Shift-JIS form)"});

    TestZip many;
    for (int i = 0; i <= 1000; ++i) {
        many.add("f" + std::to_string(i), "");
    }
    cases.push_back({"too many entries", many.bytes(), "holds 1001 entries, more than 1000"});

    TestZip bomb;
    bomb.add("a.bmp", std::string(1 << 20, '\0'), true);
    bomb.entries[0].statedSize = 0xFFFFFFF0;  // a kilobyte that claims 4 GB
    cases.push_back(
        {"4 GB claimed", bomb.bytes(), "entry \"a.bmp\" would unpack past 64 MB in all"});
    TestZip together;
    together.add("a.wav", "a", true).add("b.wav", "b", true);
    together.entries[0].statedSize = 40 << 20;
    together.entries[1].statedSize = 30 << 20;
    cases.push_back({"64 MB passed together", together.bytes(),
                     "entry \"b.wav\" would unpack past 64 MB in all"});

    TestZip locked = one("script.dat");
    locked.entries[0].flags = 1;
    cases.push_back({"encrypted", locked.bytes(), "entry \"script.dat\" is encrypted"});
    TestZip odd = one("script.dat");
    odd.entries[0].method = 12;
    cases.push_back({"unknown compression", odd.bytes(),
                     "entry \"script.dat\" is compressed by method 12; the game reads stored and "
                     "deflated files"});
    cases.push_back({"same name twice", TestZip().add("a.png", "1").add("a.png", "2").bytes(),
                     "entry \"a.png\" is in the zip twice (as \"a.png\")"});
    cases.push_back({"same file in two spellings",
                     TestZip().add("image/a.png", "1").add("Image\\A.png", "2").bytes(),
                     "entry \"Image\\A.png\" is in the zip twice (as \"image/a.png\")"});

    TestZip shortSize;
    shortSize.add("script.dat", std::string(300, 's'), true);
    shortSize.entries[0].statedSize = 100;
    cases.push_back({"more inside than stated", shortSize.bytes(),
                     "entry \"script.dat\" does not hold the size it states"});
    TestZip longSize;
    longSize.add("script.dat", std::string(300, 's'), true);
    longSize.entries[0].statedSize = 60 << 20;  // holds 300 bytes, claims 60 MB
    cases.push_back({"less inside than stated", longSize.bytes(),
                     "entry \"script.dat\" does not hold the size it states"});
    return cases;
}

TEST(ZipArchive, RefusesHostileZipsWithOneLineNamingTheEntry) {
    for (const Hostile& hostile : hostileZips()) {
        SCOPED_TRACE(hostile.what);
        ZipArchive archive;
        std::string error;
        LargestAllocation::start();
        const bool read = archive.read(hostile.zip, "mod.zip", error);
        const std::size_t largest = LargestAllocation::stop();
        EXPECT_FALSE(read);
        EXPECT_EQ(error, "mod.zip: " + hostile.message);
        EXPECT_EQ(archive.fileCount(), 0u);
        // Nothing of what the entries claim is asked for: the largest request stays far
        // below the zip's own size plus a little.
        EXPECT_LT(largest, hostile.zip.size() + 64 * 1024);
    }
}

TEST(ZipArchive, RefusesBrokenZipsAndKeepsNothingOfThem) {
    const std::string good = TestZip().add("script.dat", std::string(200, 'd'), true).bytes();
    const std::string truncated = good.substr(0, good.size() - 8);
    std::string lyingDirectory = good;
    lyingDirectory[lyingDirectory.size() - 6] ^= 0x01;  // the directory's offset
    std::string badData = good;
    badData[40] ^= 0x55;  // inside the deflated bytes
    std::string badCrc = TestZip().add("a.png", kPicture).bytes();
    badCrc[14] ^= 0x01;  // the local header's CRC: local and directory disagree
    const std::string notZip = "script.dat is not a zip at all";
    for (const std::string* zip :
         std::vector<const std::string*>{&truncated, &lyingDirectory, &badData, &badCrc, &notZip}) {
        ZipArchive archive;
        std::string error;
        EXPECT_FALSE(archive.read(*zip, "mod.zip", error));
        EXPECT_EQ(error.rfind("mod.zip: ", 0), 0u) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        EXPECT_EQ(archive.fileCount(), 0u);
    }
    // A zip over the size limit is refused before libzip sees it.
    ZipArchive archive;
    std::string error;
    const std::string huge(ZipArchive::kMaxZipBytes + 1, '\0');
    EXPECT_FALSE(archive.read(huge, "big.zip", error));
    EXPECT_EQ(error, "big.zip: larger than a mod may be (68 MB)");
}

}  // namespace
