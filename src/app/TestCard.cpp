#include "app/TestCard.h"

#include "gfx/DIBImage.h"
#include "gfx/Gauge.h"
#include "gfx/ImageFile.h"
#include "platform/GamePath.h"

namespace {

constexpr Pixel kBackground = 0x203060;
constexpr Pixel kFrame = 0xFFFFFF;
constexpr Pixel kTitleColour = 0xFFFFFF;
constexpr Pixel kSubtitleColour = 0xFFE040;
constexpr Pixel kLampOff = 0x404040;
constexpr Pixel kLampOn = 0xFF8000;
constexpr Pixel kBars[] = {0xFFFFFF, 0xFFFF00, 0x00FFFF, 0x00FF00,
                           0xFF00FF, 0xFF0000, 0x0000FF, 0x000000};

// An 8 x 8 tile: one colour with a one-pixel darker edge at the top and bottom.
void makeTile(Image& tile, Pixel fill, Pixel edge) {
    tile.resize(8, 8);
    tile.fillRect(fill, 0, 0, 8, 8);
    tile.fillRect(edge, 0, 0, 8, 1);
    tile.fillRect(edge, 0, 7, 8, 8);
}

// A rectangle outline `thickness` pixels wide inside (x0, y0)-(x1, y1).
void drawFrame(Image& target, Pixel colour, int x0, int y0, int x1, int y1, int thickness) {
    target.fillRect(colour, x0, y0, x1, y0 + thickness);
    target.fillRect(colour, x0, y1 - thickness, x1, y1);
    target.fillRect(colour, x0, y0, x0 + thickness, y1);
    target.fillRect(colour, x1 - thickness, y0, x1, y1);
}

}  // namespace

TestCard::TestCard()
    : title_("ケルモラのラスト風バトルシステム"),
      subtitle_("テストカード　Ver 0.1.0"),
      labels_{"上", "下", "左", "右", "決", "消"} {
    makeTile(gaugeFull_, 0x40E040, 0x208020);
    makeTile(gaugeEmpty_, 0x303030, 0x181818);
    // Optional: a game folder without the picture shows the card without it.
    loadImageFile(picture_, gamePath("image\\testcard.png"));
}

void TestCard::update(const InputState& input) {
    for (int i = 0; i < ButtonCount; ++i) {
        held_[i] = input.heldFrames[i] > 0;
    }
}

void TestCard::draw(DIBImage& target) const {
    target.fillRect(kBackground, 8, 8, 248, 216);
    drawFrame(target, kFrame, 8, 8, 248, 216, 2);

    target.setTextColor(kTitleColour);
    drawText(target, title_, 64, 16);
    target.setTextColor(kSubtitleColour);
    drawText(target, subtitle_, 64, 28);

    drawGauge(target, 64, 44, 37, 50, 5, gaugeFull_, gaugeEmpty_);

    for (int i = 0; i < ButtonCount; ++i) {
        const int x = 64 + i * 20;
        target.fillRect(held_[i] ? kLampOn : kLampOff, x, 60, x + 12, 72);
        target.setTextColor(held_[i] ? kLampOn : kTitleColour);
        drawText(target, labels_[i], x + 2, 74);
    }

    // The picture may be any size: it is kept between the lamps and the bars.
    if (!picture_.empty()) {
        const int x0 = target.clipX0(), y0 = target.clipY0();
        const int x1 = target.clipX1(), y1 = target.clipY1();
        target.setClip(16, 88, 240, 180);
        picture_.drawTo(target, 64, 88);
        target.setClip(x0, y0, x1, y1);
    }

    // Eight colour bars of 28 x 24 pixels along the bottom.
    for (int i = 0; i < 8; ++i) {
        target.fillRect(kBars[i], 16 + i * 28, 184, 16 + (i + 1) * 28, 208);
    }
}
