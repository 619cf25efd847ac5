#include <gtest/gtest.h>

#include "gfx/Gauge.h"
#include "gfx/Image.h"

namespace {

constexpr Pixel kFull = 0x00F0F0F0;
constexpr Pixel kEmpty = 0x00202020;

class Tile : public Image {
public:
    explicit Tile(Pixel colour) {
        resize(8, 8);
        fillRect(colour, 0, 0, 8, 8);
    }
};

// Row y of the target from x0 as runs of (colour, length), up to x1.
std::vector<std::pair<Pixel, int>> runs(const Image& target, int y, int x0, int x1) {
    std::vector<std::pair<Pixel, int>> out;
    for (int x = x0; x < x1; ++x) {
        if (out.empty() || out.back().first != target.pixel(x, y)) {
            out.emplace_back(target.pixel(x, y), 0);
        }
        ++out.back().second;
    }
    return out;
}

using Runs = std::vector<std::pair<Pixel, int>>;

}  // namespace

TEST(Gauge, SplitsTheBoundaryTileAndRestoresTheClip) {
    const Tile full(kFull), empty(kEmpty);
    Image screen;
    screen.resize(64, 32);
    screen.setClip(1, 2, 60, 30);
    drawGauge(screen, 10, 4, 13, 24, 8, full, empty);
    EXPECT_EQ(runs(screen, 4, 0, 64), (Runs{{0, 10}, {kFull, 13}, {kEmpty, 11}, {0, 30}}));
    EXPECT_EQ(runs(screen, 11, 0, 64), runs(screen, 4, 0, 64));
    EXPECT_EQ(runs(screen, 12, 0, 64), (Runs{{0, 64}}));
    EXPECT_EQ(screen.clipX0(), 1);
    EXPECT_EQ(screen.clipY1(), 30);

    screen.resize(64, 32);
    drawGauge(screen, 0, 0, 99, 4, 2, full, empty);  // clamped to 4 of 4, 4 pixels a unit
    drawGauge(screen, 0, 8, -5, 4, 2, full, empty);
    EXPECT_EQ(runs(screen, 0, 0, 20), (Runs{{kFull, 16}, {0, 4}}));
    EXPECT_EQ(runs(screen, 8, 0, 20), (Runs{{kEmpty, 16}, {0, 4}}));
}

TEST(Gauge, RowsShowTheNextUnitsAndNonsenseDrawsNothing) {
    const Tile full(kFull), empty(kEmpty);
    Image screen;
    screen.resize(64, 32);
    drawGaugeRows(screen, 0, 0, 30, 24, 48, 8, full, empty);
    EXPECT_EQ(runs(screen, 0, 0, 30), (Runs{{kFull, 24}, {0, 6}}));
    EXPECT_EQ(runs(screen, 8, 0, 30), (Runs{{kFull, 6}, {kEmpty, 18}, {0, 6}}));
    EXPECT_EQ(runs(screen, 16, 0, 30), (Runs{{0, 30}}));

    screen.resize(64, 32);
    drawGauge(screen, 0, 0, 5, 10, 0, full, empty);          // no divisor
    drawGaugeRows(screen, 0, 0, 5, 0, 10, 8, full, empty);   // would never finish
    drawGaugeRows(screen, 0, 0, 5, -3, 10, 8, full, empty);  // nor this
    EXPECT_EQ(runs(screen, 0, 0, 64), (Runs{{0, 64}}));
}
