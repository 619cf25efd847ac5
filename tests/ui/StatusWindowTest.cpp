#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "ui/MyStatusWindow.h"
#include "ui/StatusWindow.h"

using uitest::Fighter;
using uitest::kScreenColor;
using uitest::partColor;
using uitest::Screen;

namespace {

constexpr Pixel kBack = 0xFFBF9F;
const Pixel kHpFull = partColor(WindowPart::HpFull);
const Pixel kHpEmpty = partColor(WindowPart::HpEmpty);
const Pixel kMpFull = partColor(WindowPart::MpFull);
const Pixel kMpEmpty = partColor(WindowPart::MpEmpty);

// Colours of the pixels in row y from x0 to x1 (exclusive), collapsed into runs.
std::vector<std::pair<Pixel, int>> runs(const Screen& screen, int y, int x0, int x1) {
    std::vector<std::pair<Pixel, int>> result;
    for (int x = x0; x < x1; ++x) {
        const Pixel p = screen.at(x, y);
        if (result.empty() || result.back().first != p) {
            result.push_back({p, 0});
        }
        ++result.back().second;
    }
    return result;
}

using Runs = std::vector<std::pair<Pixel, int>>;

TEST(StatusWindow, PlacesNameOnTopEdgeAndGaugesBelow) {
    Screen screen;
    Fighter hero("Rion", 57, 120, 100, 100);
    StatusWindow window(16, 104, 144, 152, 16, 8, 16, 8, kBack);
    window.textColor = 0x010203;
    window.character = &hero.state;
    window.draw(screen.target);

    ASSERT_EQ(screen.text.calls.size(), 1u);
    EXPECT_EQ(screen.text.calls[0].text, "Rion");
    EXPECT_EQ(screen.text.calls[0].left, 32);
    EXPECT_EQ(screen.text.calls[0].top, 112);
    EXPECT_EQ(screen.text.calls[0].colour, 0x010203u);
    // The band above the name, (32, 104)-(48, 112), is painted over the top edge.
    EXPECT_EQ(screen.at(32, 104), kBack);
    EXPECT_EQ(screen.at(47, 111), kBack);
    EXPECT_EQ(screen.at(48, 104), partColor(WindowPart::BorderTop));
    // 57 of 120 HP: a 60-pixel gauge, the first 28 pixels filled; 100 of 100 MP: 50 pixels.
    EXPECT_EQ(runs(screen, 128, 32, 100), (Runs{{kHpFull, 28}, {kHpEmpty, 32}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 136, 32, 100), (Runs{{kMpFull, 50}, {kBack, 18}}));
    EXPECT_EQ(runs(screen, 143, 32, 90), (Runs{{kMpFull, 50}, {kBack, 8}}));
}

TEST(StatusWindow, FollowsCharacterValuesAtEveryDraw) {
    Screen screen;
    Fighter hero("R", 100, 100, 0, 100);
    StatusWindow window(16, 104, 144, 152, 16, 8, 16, 8, kBack);
    window.character = &hero.state;
    window.draw(screen.target);
    EXPECT_EQ(runs(screen, 128, 32, 82), (Runs{{kHpFull, 50}}));
    EXPECT_EQ(runs(screen, 136, 32, 82), (Runs{{kMpEmpty, 50}}));
    hero.state.subtractHP(100);
    window.draw(screen.target);
    EXPECT_EQ(runs(screen, 128, 32, 82), (Runs{{kHpEmpty, 50}}));
}

TEST(StatusWindow, WithoutCharacterShowsOnlyTheFrame) {
    Screen screen;
    StatusWindow window(16, 104, 144, 152, 16, 8, 16, 8, kBack);
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
    EXPECT_EQ(screen.at(32, 128), kBack);
    EXPECT_EQ(screen.at(32, 104), partColor(WindowPart::BorderTop));
}

TEST(StatusWindow, ZeroMaximumDrawsNoGauge) {
    Screen screen;
    Fighter hero("R", 0, 0, 0, 0);
    StatusWindow window(16, 104, 144, 152, 16, 8, 16, 8, kBack);
    window.character = &hero.state;
    window.draw(screen.target);
    EXPECT_EQ(runs(screen, 128, 24, 136), (Runs{{kBack, 112}}));
    EXPECT_EQ(runs(screen, 136, 24, 136), (Runs{{kBack, 112}}));
}

TEST(MyStatusWindow, DrawsLabelsPlateAndGaugeRows) {
    Screen screen;
    Fighter hero("Rion", 150, 200, 20, 20);
    MyStatusWindow window(72, 152, 240, 216, 8, 8, 8, 8, kBack);
    window.character = &hero.state;
    window.draw(screen.target);

    const auto* name = screen.text.find("Rion");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->left, 24);
    EXPECT_EQ(name->top, 176);
    EXPECT_EQ(screen.at(16, 168), kBack);
    EXPECT_EQ(screen.at(63, 183), kBack);
    EXPECT_EQ(screen.at(64, 175), kScreenColor);
    EXPECT_EQ(screen.at(15, 175), kScreenColor);

    const auto* life = screen.text.find("せいめい…");
    const auto* effort = screen.text.find("どりょく…");
    const auto* heart = screen.text.find("こころ………");
    ASSERT_TRUE(life && effort && heart);
    EXPECT_EQ(std::make_pair(life->left, life->top), std::make_pair(80, 168));
    EXPECT_EQ(std::make_pair(effort->left, effort->top), std::make_pair(80, 184));
    EXPECT_EQ(std::make_pair(heart->left, heart->top), std::make_pair(176, 168));

    // 150 of 200 HP in rows of 96 points: full, 27 of 48 pixels, then 4 empty pixels.
    EXPECT_EQ(runs(screen, 168, 120, 176), (Runs{{kHpFull, 48}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 176, 120, 176), (Runs{{kHpFull, 27}, {kHpEmpty, 21}, {kBack, 8}}));
    // The MP rows start at y = 184 and cover the third HP row; 20 of 20 MP is 10 pixels.
    EXPECT_EQ(runs(screen, 184, 120, 140), (Runs{{kMpFull, 10}, {kBack, 10}}));
    EXPECT_EQ(runs(screen, 191, 120, 140), (Runs{{kMpFull, 10}, {kBack, 10}}));
    EXPECT_EQ(screen.at(176, 184), partColor(WindowPart::HeartFrame));
}

TEST(MyStatusWindow, HiddenOrEmptyWindow) {
    Screen screen;
    Fighter hero("Rion", 1, 1, 1, 1);
    MyStatusWindow window(72, 152, 240, 216, 8, 8, 8, 8, kBack);
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
    EXPECT_EQ(screen.at(16, 168), kScreenColor);
    window.character = &hero.state;
    window.visible = false;
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
}

}  // namespace
