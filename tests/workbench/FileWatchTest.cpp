// The files --watch looks at, and how it notices a change without reading anything.
#include "workbench/FileWatch.h"

#include <algorithm>

#include "WorkbenchFolder.h"
#include "workbench/GameFiles.h"

using WatchedFiles = WorkbenchFolder;

TEST_F(WatchedFiles, DataFileItsPicturesAndTheFixedOnes) {
    writeScript(
        "# src image/commented.png\nImage a\nsrc image\\face1.png\nImage b\n"
        "src  image\\face1.png\r\nsrc image\\outside.png\n");
    const std::vector<std::string> pictures = GameFiles::scriptPictures("script.dat");
    EXPECT_EQ(pictures, (std::vector<std::string>{"image/face1.png", "image/outside.png"}));
    const std::vector<std::string> all = GameFiles::list("script.dat");
    for (const char* file : {"script.dat", "image/borderlt.png", "image/cursor.png",
                             "image/goddamn5.png", "image/goal.png", "image/outside.png"}) {
        EXPECT_NE(std::find(all.begin(), all.end(), file), all.end()) << file;
    }
    EXPECT_EQ(GameFiles::scriptPictures("absent.dat"), std::vector<std::string>{});
}

TEST_F(WatchedFiles, ChangeAppearanceAndRemovalAreNoticedOnce) {
    FileWatch watch;
    watch.setFiles({"script.dat", "image/late.png"});
    EXPECT_FALSE(watch.changed());
    writeScript("SpecialArt normalAttack\n");
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
    writePicture("image/late.png", 4, 4, kRed);
    EXPECT_TRUE(watch.changed());
    std::filesystem::remove("image/late.png");
    EXPECT_TRUE(watch.changed());

    // A file still watched keeps what was last seen of it; a new one is looked at now.
    writeScript("SpecialArt normalAttack\nPlayer\n");
    watch.setFiles({"script.dat", "image/face1.png"});
    EXPECT_EQ(watch.size(), 2u);
    EXPECT_TRUE(watch.changed());
    EXPECT_FALSE(watch.changed());
}
