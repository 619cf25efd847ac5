#include <gtest/gtest.h>

#include "SjisText.h"
#include "UiTestSupport.h"
#include "ui/MyStatusWindow.h"
#include "ui/StatusWindow.h"

using namespace uitest;

namespace {

using Runs = std::vector<std::pair<Pixel, int>>;

// Row y from x0 to x1 (exclusive) as runs of one colour.
Runs runs(const Screen& screen, int y, int x0, int x1) {
    Runs result;
    for (int x = x0; x < x1; ++x) {
        if (result.empty() || result.back().first != screen.at(x, y)) {
            result.push_back({screen.at(x, y), 0});
        }
        ++result.back().second;
    }
    return result;
}

const Pixel kHpFull = partColor(WindowPart::HpFull);
const Pixel kHpEmpty = partColor(WindowPart::HpEmpty);
const Pixel kMpFull = partColor(WindowPart::MpFull);
const Pixel kMpEmpty = partColor(WindowPart::MpEmpty);

TEST(StatusWindow, NameOnTopEdgeAndGaugesFollowingValues) {
    Screen screen;
    Fighter hero("Rion", 57, 120, 0, 100);
    StatusWindow window(16, 104, 144, 152, 16, 8, 16, 8, kBack);
    window.draw(screen.target);  // no character: the frame only
    EXPECT_TRUE(screen.text.calls.empty());
    EXPECT_EQ(screen.at(32, 104), partColor(WindowPart::BorderTop));

    window.textColor = 0x010203;
    window.character = &hero.state;
    window.draw(screen.target);
    ASSERT_EQ(screen.text.texts(), (std::vector<std::string>{"Rion"}));
    EXPECT_EQ(screen.text.calls[0].left, 32);
    EXPECT_EQ(screen.text.calls[0].top, 112);
    EXPECT_EQ(screen.text.calls[0].colour, 0x010203u);
    EXPECT_EQ(runs(screen, 104, 32, 56),
              (Runs{{kBack, 16}, {partColor(WindowPart::BorderTop), 8}}));
    EXPECT_EQ(runs(screen, 128, 32, 100), (Runs{{kHpFull, 28}, {kHpEmpty, 32}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 143, 32, 90), (Runs{{kMpEmpty, 50}, {kBack, 8}}));

    hero.state.subtractHP(-1000);
    hero.state.subtractMP(-1000);
    window.draw(screen.target);
    EXPECT_EQ(runs(screen, 135, 32, 100), (Runs{{kHpFull, 60}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 136, 32, 90), (Runs{{kMpFull, 50}, {kBack, 8}}));

    Fighter none("R", 0, 0, 0, 0);  // maxima of 0: no gauges at all
    window.character = &none.state;
    window.draw(screen.target);
    EXPECT_EQ(runs(screen, 128, 24, 136), (Runs{{kBack, 112}}));
    EXPECT_EQ(runs(screen, 136, 24, 136), (Runs{{kBack, 112}}));
}

TEST(MyStatusWindow, LabelsPlateAndGaugeRows) {
    Screen screen;
    Fighter hero("Rion", 150, 200, 20, 20);
    MyStatusWindow window(72, 152, 240, 216, 8, 8, 8, 8, kBack);
    window.character = &hero.state;
    window.draw(screen.target);

    ASSERT_EQ(screen.text.texts(),
              (std::vector<std::string>{"Rion", sjis("せいめい…"), sjis("どりょく…"),
                                        sjis("こころ………")}));
    const auto at = [&](int i) {
        return std::make_pair(screen.text.calls[i].left, screen.text.calls[i].top);
    };
    EXPECT_EQ(at(0), std::make_pair(24, 176));
    EXPECT_EQ(at(1), std::make_pair(80, 168));
    EXPECT_EQ(at(2), std::make_pair(80, 184));
    EXPECT_EQ(at(3), std::make_pair(176, 168));
    EXPECT_EQ(runs(screen, 175, 15, 65), (Runs{{kScreenColor, 1}, {kBack, 48}, {kScreenColor, 1}}));
    EXPECT_EQ(screen.at(16, 183), kBack);

    // 150 of 200 HP in rows of 96 points: 48 full pixels, then 27 of 48; the third row
    // (4 empty pixels at y = 184) lies under the MP row, 20 of 20 MP being 10 pixels.
    EXPECT_EQ(runs(screen, 168, 120, 176), (Runs{{kHpFull, 48}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 176, 120, 176), (Runs{{kHpFull, 27}, {kHpEmpty, 21}, {kBack, 8}}));
    EXPECT_EQ(runs(screen, 191, 120, 140), (Runs{{kMpFull, 10}, {kBack, 10}}));
    EXPECT_EQ(screen.at(176, 184), partColor(WindowPart::HeartFrame));

    window.visible = false;
    screen.text.calls.clear();
    window.draw(screen.target);
    EXPECT_TRUE(screen.text.calls.empty());
}

}  // namespace
