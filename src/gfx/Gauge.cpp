#include "gfx/Gauge.h"

#include <algorithm>

#include "gfx/Image.h"

void drawGauge(Image& target, int x, int y, int value, int max, int divisor, const Drawable& full,
               const Drawable& empty) {
    if (divisor <= 0) {
        return;  // A data file could ask for this; there is no sensible bar to draw.
    }
    const int clipX0 = target.clipX0();
    const int clipY0 = target.clipY0();
    const int clipX1 = target.clipX1();
    const int clipY1 = target.clipY1();

    const int v = std::clamp(value, 0, std::max(max, 0));
    const int filledEnd = x + static_cast<int>(static_cast<long long>(v) * 8 / divisor);
    const int totalEnd = x + static_cast<int>(static_cast<long long>(max) * 8 / divisor);

    target.setClip(x, y, filledEnd, y + 8);
    int tx = x;
    for (; tx < filledEnd; tx += 8) {
        full.drawTo(target, tx, y);
    }
    target.setClip(filledEnd, y, totalEnd, y + 8);
    for (tx -= 8; tx < totalEnd; tx += 8) {
        empty.drawTo(target, tx, y);
    }
    target.setClip(clipX0, clipY0, clipX1, clipY1);
}

void drawGaugeRows(Image& target, int x, int y, int value, int perRow, int max, int divisor,
                   const Drawable& full, const Drawable& empty) {
    if (perRow <= 0) {
        return;
    }
    while (max > 0) {
        drawGauge(target, x, y, value, std::min(perRow, max), divisor, full, empty);
        max -= perRow;
        value -= perRow;
        y += 8;
    }
}
