// Every window class in one 256 x 224 frame with made-up content and made-up art, drawn with
// the real font and compared with tests/golden/ui/gallery.png. On a mismatch the actual
// picture is written into the build tree; VK_UPDATE_GOLDEN=1 rewrites the golden file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "SjisText.h"
#include "UiTestSupport.h"
#include "gfx/ImageFile.h"
#include "gfx/ImageSave.h"
#include "platform/freetype/FreeTypeText.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/InitMenu.h"
#include "ui/MyStatusWindow.h"
#include "ui/NameWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

using namespace uitest;

namespace {

constexpr Pixel kDark = 0x203050;
constexpr Pixel kLight = 0xE0E8FF;

// A fresh folder in the build tree as the working directory, where "image/..." is found.
struct TempWorkDir {
    explicit TempWorkDir(const std::string& name)
        : previous(std::filesystem::current_path()),
          path(std::filesystem::path(VK_BINARY_DIR) / "ui-test-work" / name) {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "image");
        std::filesystem::current_path(path);
    }
    ~TempWorkDir() { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
    std::filesystem::path path;
};

bool writeArt(const std::string& name, int w, int h, const std::function<Pixel(int, int)>& at) {
    Image picture;
    picture.resize(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            picture.setPixel(x, y, at(x, y));
        }
    }
    return savePng(picture, "image/" + name + ".png");
}

// Test art, not the game's: a 24 x 24 framed panel cut into the eight border tiles, striped
// gauge tiles, a cursor, a heart frame, and the track pictures (black is a hole in those).
bool writeTestArt() {
    const auto frame = [](int x, int y) {
        const int d = std::min(std::min(x, 23 - x), std::min(y, 23 - y));
        const int corner = std::min(x, 23 - x) + std::min(y, 23 - y);
        return corner < 2 ? 0 : d == 0 || d == 2 ? kDark : d == 1 ? kLight : kBack;
    };
    const char* borders[3][3] = {{"borderlt", "bordermt", "borderrt"},
                                 {"borderlm", nullptr, "borderrm"},
                                 {"borderlb", "bordermb", "borderrb"}};
    bool ok = true;
    for (int ty = 0; ty < 3; ++ty) {
        for (int tx = 0; tx < 3; ++tx) {
            if (borders[ty][tx] != nullptr) {
                ok &= writeArt(borders[ty][tx], 8, 8,
                               [&](int x, int y) { return frame(tx * 8 + x, ty * 8 + y); });
            }
        }
    }
    const auto gauge = [](Pixel edge, Pixel inside, bool spark) {
        return [=](int x, int y) {
            return y == 7                      ? kBack
                   : y == 0 || y == 6          ? edge
                   : spark && x == 2 && y == 2 ? 0xFFFFFF
                                               : inside;
        };
    };
    ok &= writeArt("hpfull", 8, 8, gauge(0x601010, 0xD02020, true));
    ok &= writeArt("hpempty", 8, 8, gauge(0x601010, 0x707070, false));
    ok &= writeArt("mpfull", 8, 8, gauge(0x102060, 0x2060E0, true));
    ok &= writeArt("mpempty", 8, 8, gauge(0x102060, 0x707070, false));
    ok &= writeArt("cursor", 8, 8,
                   [](int x, int y) { return x >= 1 && x <= std::min(y, 8 - y) ? kDark : kBack; });
    ok &= writeArt("chaosframe", 16, 8, [](int x, int y) {
        const bool edge = x == 0 || x == 15 || y == 0 || y == 7;
        return edge ? kDark : std::abs(2 * x - 15) + 2 * std::abs(y - 3) < 9 ? 0xF070A0 : kBack;
    });
    ok &= writeArt("circle", 8, 8, [](int x, int y) {
        const int r = (2 * x - 7) * (2 * x - 7) + (2 * y - 7) * (2 * y - 7);
        return r > 52 ? 0 : r > 30 ? kDark : r > 14 ? 0xF0D020 : 0;
    });
    ok &= writeArt("goal", 16, 8, [](int x, int y) {
        return x == 0 ? kDark : y < 5 && x < 14 - 2 * std::abs(y - 2) ? 0xF0D020 : 0;
    });
    for (int frameNo = 1; frameNo <= 2; ++frameNo) {
        ok &= writeArt("player" + std::to_string(frameNo), 8, 8, [&](int x, int y) {
            const bool leg = frameNo == 1 ? (x == 2 || x == 5) : (x == 3 || x == 4);
            return y < 2   ? (x >= 3 && x <= 4 ? 0xFFFFFF : 0)
                   : y < 5 ? (x >= 2 && x <= 5 ? 0x2060E0 : 0)
                           : (leg ? 0x102060 : 0);
        });
    }
    return ok;
}

void expectGolden(const Image& actual, const std::string& name) {
    const std::string golden = std::string(VK_SOURCE_DIR) + "/tests/golden/ui/" + name + ".png";
    const char* update = std::getenv("VK_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        ASSERT_TRUE(savePng(actual, golden)) << golden;
        return;
    }
    Image expected;
    bool same = loadPng(expected, golden) && expected.width() == actual.width() &&
                expected.height() == actual.height();
    for (int y = 0; same && y < actual.height(); ++y) {
        for (int x = 0; same && x < actual.width(); ++x) {
            same = (expected.pixel(x, y) & 0xFFFFFF) == (actual.pixel(x, y) & 0xFFFFFF);
        }
    }
    if (!same) {
        const auto out = std::filesystem::path(VK_BINARY_DIR) / "golden-actual" / "ui";
        std::filesystem::create_directories(out);
        savePng(actual, (out / (name + ".png")).string());
        ADD_FAILURE() << "picture differs from " << golden << "; actual picture written to "
                      << (out / (name + ".png"));
    }
}

TEST(WindowGallery, MatchesGoldenPicture) {
    std::string error;
    std::unique_ptr<FreeTypeText> text = FreeTypeText::open(error);
    ASSERT_NE(text, nullptr) << error;
    Font font(text.get());
    TempWorkDir dir("gallery");
    ASSERT_TRUE(writeTestArt());
    WindowImages images;
    DIBImage target(256, 224);
    target.selectFont(&font);
    target.fillRect(0x7FBF00, 0, 0, 256, 224);

    TextWindow message(8, 8, 168, 104, 16, 16, 16, 0, kBack, true);
    message.linesPerPage = 2;
    setText(message, sjis("ウィンドウの　みほん\r\nWindow gallery 1.0").c_str());
    InitMenu menu;
    menu.moveCursor(1);
    OptionWindow option(8, 56, 168, 104, 16, 16, 16, 0, kBack, true);
    option.rows = 1;
    option.columns = 2;
    option.menu = &menu;
    setText(option, sjis("どうする？").c_str());
    Fighter hero(sjis("ゆうしゃ"), 57, 100, 30, 40);
    StatusWindow status(176, 32, 248, 80, 8, 8, 8, 8, kBack);
    status.character = &hero.state;
    Image face;  // larger than its window: diamonds, clipped
    face.resize(96, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 96; ++x) {
            face.setPixel(x, y,
                          (std::abs(x - 36) + std::abs(y - 16)) / 6 % 2 ? 0xFFFFFF : 0x40C0FF);
        }
    }
    AnimationWindow picture(176, 80, 248, 112, 0, 0, 0, 0, 0x000040);
    picture.animation = &face;
    NameWindow name(176, 8, 248, 32, 16, 8, 8, 8, kBack, false);
    setText(name, sjis("なまえまど").c_str());
    BackgroundWindow map(16, 112, 240, 176, 0, 0, 0, 0, 0x204020);
    map.setBattleGroundCount(3);
    map.setStage(1);
    map.markerX = 60;
    Fighter lowerHero(sjis("まほう"), 150, 200, 24, 40);
    MyStatusWindow lowerStatus(72, 176, 240, 224, 8, 8, 8, 8, kBack);
    lowerStatus.character = &lowerHero.state;

    for (InnerWindow* window : std::initializer_list<InnerWindow*>{
             &message, &option, &status, &picture, &name, &map, &lowerStatus}) {
        window->draw(target);
    }
    expectGolden(target, "gallery");
}

}  // namespace
