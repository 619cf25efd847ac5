#include "ui/InnerWindow.h"

#include "gfx/DIBImage.h"
#include "ui/WindowImages.h"

namespace {

constexpr int kTile = 8;

}  // namespace

InnerWindow::InnerWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                         int marginRight, int marginBottom, Pixel backColor)
    : left(left),
      top(top),
      right(right),
      bottom(bottom),
      marginLeft(marginLeft),
      marginTop(marginTop),
      marginRight(marginRight),
      marginBottom(marginBottom),
      backColor(backColor) {}

const WindowImages* InnerWindow::images() {
    return WindowImages::instance();
}

void InnerWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    drawFrame(target);
}

void InnerWindow::drawFrame(Image& target) const {
    if (const WindowImages* set = images()) {
        // Edges run under the corners when the size is not a multiple of 8; the corners and
        // then the side edges are drawn after the top and bottom edges and cover the overlap.
        set->image(WindowPart::BorderTopLeft).drawTo(target, left, top);
        set->image(WindowPart::BorderBottomLeft).drawTo(target, left, bottom - kTile);
        for (int x = left + kTile; x < right - kTile; x += kTile) {
            set->image(WindowPart::BorderTop).drawTo(target, x, top);
            set->image(WindowPart::BorderBottom).drawTo(target, x, bottom - kTile);
        }
        set->image(WindowPart::BorderTopRight).drawTo(target, right - kTile, top);
        set->image(WindowPart::BorderBottomRight).drawTo(target, right - kTile, bottom - kTile);
        for (int y = top + kTile; y < bottom - kTile; y += kTile) {
            set->image(WindowPart::BorderLeft).drawTo(target, left, y);
            set->image(WindowPart::BorderRight).drawTo(target, right - kTile, y);
        }
    }
    // Last of all, so nothing of the tiles shows inside.
    target.fillRect(backColor, left + kTile, top + kTile, right - kTile, bottom - kTile);
}
