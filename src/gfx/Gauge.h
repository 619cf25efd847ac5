#pragma once

#include "gfx/Drawable.h"

class Image;

// A horizontal bar one 8-pixel tile high: value of max, one tile per divisor units. Full
// tiles from x, empty tiles after them, the tile at the boundary split at the exact pixel.
// The target's clip rectangle is the same afterwards.
void drawGauge(Image& target, int x, int y, int value, int max, int divisor, const Drawable& full,
               const Drawable& empty);

// The same gauge broken into rows of perRow units, each row 8 pixels below the last.
void drawGaugeRows(Image& target, int x, int y, int value, int perRow, int max, int divisor,
                   const Drawable& full, const Drawable& empty);
