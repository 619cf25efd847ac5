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

// The colours along one row of the target, from x0 to x1 (exclusive).
std::vector<Pixel> rowColours(const Image& target, int y, int x0, int x1) {
    std::vector<Pixel> colours;
    for (int x = x0; x < x1; ++x) {
        colours.push_back(target.pixel(x, y));
    }
    return colours;
}

std::vector<Pixel> run(std::initializer_list<std::pair<Pixel, int>> parts) {
    std::vector<Pixel> colours;
    for (const auto& [colour, count] : parts) {
        colours.insert(colours.end(), count, colour);
    }
    return colours;
}

}  // namespace

TEST(Gauge, SplitsTheBoundaryTileAtTheExactPixel) {
    const Tile full(kFull);
    const Tile empty(kEmpty);
    Image screen;
    screen.resize(64, 32);
    screen.setClip(1, 2, 60, 30);
    drawGauge(screen, 10, 4, 13, 24, 8, full, empty);
    for (int y = 4; y < 12; ++y) {
        EXPECT_EQ(rowColours(screen, y, 9, 35), run({{0, 1}, {kFull, 13}, {kEmpty, 11}, {0, 1}}));
    }
    EXPECT_EQ(rowColours(screen, 3, 0, 64), run({{0, 64}}));
    EXPECT_EQ(rowColours(screen, 12, 0, 64), run({{0, 64}}));
    EXPECT_EQ(screen.clipX0(), 1);
    EXPECT_EQ(screen.clipY0(), 2);
    EXPECT_EQ(screen.clipX1(), 60);
    EXPECT_EQ(screen.clipY1(), 30);
}

TEST(Gauge, ClampsTheValueAndScalesByTheDivisor) {
    const Tile full(kFull);
    const Tile empty(kEmpty);
    Image screen;
    screen.resize(64, 8);
    drawGauge(screen, 0, 0, 99, 4, 2, full, empty);  // 4 of 4 at 4 pixels a unit
    EXPECT_EQ(rowColours(screen, 0, 0, 17), run({{kFull, 16}, {0, 1}}));
    screen.resize(64, 8);
    drawGauge(screen, 0, 0, -5, 4, 2, full, empty);
    EXPECT_EQ(rowColours(screen, 0, 0, 17), run({{kEmpty, 16}, {0, 1}}));
}

TEST(Gauge, RowsShowTheNextUnitsOfTheValue) {
    const Tile full(kFull);
    const Tile empty(kEmpty);
    Image screen;
    screen.resize(64, 32);
    drawGaugeRows(screen, 0, 0, 30, 24, 48, 8, full, empty);
    EXPECT_EQ(rowColours(screen, 0, 0, 25), run({{kFull, 24}, {0, 1}}));
    EXPECT_EQ(rowColours(screen, 8, 0, 25), run({{kFull, 6}, {kEmpty, 18}, {0, 1}}));
    EXPECT_EQ(rowColours(screen, 16, 0, 25), run({{0, 25}}));
}

TEST(Gauge, NonsenseDivisorOrRowLengthDrawsNothing) {
    const Tile full(kFull);
    const Tile empty(kEmpty);
    Image screen;
    screen.resize(64, 32);
    drawGauge(screen, 0, 0, 5, 10, 0, full, empty);
    drawGaugeRows(screen, 0, 0, 5, 0, 10, 8, full, empty);  // would never finish
    drawGaugeRows(screen, 0, 0, 5, -3, 10, 8, full, empty);
    EXPECT_EQ(rowColours(screen, 0, 0, 64), run({{0, 64}}));
}
