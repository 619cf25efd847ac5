#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "TestArt.h"
#include "UiTestSupport.h"
#include "WindowGallery.h"
#include "gfx/ImageFile.h"
#include "gfx/ImageSave.h"
#include "platform/freetype/FreeTypeText.h"

namespace {

// Compares the picture with tests/golden/ui/<name>.png, colour bytes only (the files carry
// no alpha). On a mismatch the actual picture is written into the build tree for a person to
// look at; VK_UPDATE_GOLDEN=1 rewrites the golden file instead.
void expectGolden(const Image& actual, const std::string& name) {
    const std::filesystem::path golden =
        std::filesystem::path(VK_SOURCE_DIR) / "tests" / "golden" / "ui" / (name + ".png");
    const char* update = std::getenv("VK_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(savePng(actual, golden.string())) << golden;
        return;
    }
    Image expected;
    const bool loaded = loadPng(expected, golden.string());
    bool same =
        loaded && expected.width() == actual.width() && expected.height() == actual.height();
    int firstX = -1;
    int firstY = -1;
    for (int y = 0; same && y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            if ((expected.pixel(x, y) & 0xFFFFFF) != (actual.pixel(x, y) & 0xFFFFFF)) {
                same = false;
                firstX = x;
                firstY = y;
                break;
            }
        }
    }
    if (!same) {
        const std::filesystem::path out =
            std::filesystem::path(VK_BINARY_DIR) / "golden-actual" / "ui" / (name + ".png");
        std::filesystem::create_directories(out.parent_path());
        savePng(actual, out.string());
        ADD_FAILURE() << (loaded ? "picture differs from " : "cannot read ") << golden
                      << " (first difference at " << firstX << ", " << firstY
                      << "); actual picture written to " << out;
    }
}

TEST(WindowGallery, MatchesGoldenPicture) {
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    ASSERT_NE(text, nullptr) << error;
    Font font(text.get());

    uitest::TempWorkDir dir("gallery");
    ASSERT_TRUE(writeTestArt());
    WindowImages images;
    ASSERT_FALSE(images.image(WindowPart::BorderTopLeft).empty());

    DIBImage target(256, 224);
    target.selectFont(&font);
    WindowGallery gallery;
    gallery.draw(target);
    expectGolden(target, "gallery");
}

}  // namespace
