#include "ui/OptionWindow.h"

#include "gfx/DIBImage.h"
#include "ui/MenuManager.h"
#include "ui/WindowImages.h"

OptionWindow::OptionWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                           int marginRight, int marginBottom, Pixel backColor, bool autoHeight)
    : TextWindow(left, top, right, bottom, marginLeft, marginTop, marginRight, marginBottom,
                 backColor, autoHeight) {}

void OptionWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    applyAutoHeight(linesPerPage + rows);
    drawFrame(target);
    target.setTextColor(textColor);
    // The entries start right below the last line drawn.
    const int y = drawPage(target);
    drawEntries(target, y);
}

void OptionWindow::drawEntries(DIBImage& target, int y) {
    // Without at least one column there is no grid to lay out (and nothing to divide by).
    if (menu == nullptr || columns <= 0) {
        return;
    }
    const StackData level = menu->currentLevel();
    const auto& entries = level.menu->children;
    if (entries.empty()) {
        return;
    }
    const int columnWidth = (right - left - marginLeft - marginRight) / columns;
    const int cursor = level.index;

    const int cursorRow = cursor / columns;
    if (cursorRow < firstRow) {
        firstRow = cursorRow;
    } else if (cursorRow >= firstRow + rows) {
        firstRow = cursorRow - rows + 1;
    }

    const Image* cursorImage = nullptr;
    if (const WindowImages* set = images()) {
        cursorImage = &set->image(WindowPart::Cursor);
    }
    const long long count = static_cast<long long>(entries.size());
    for (int j = 0; j < rows; ++j) {
        int x = left + marginLeft + 8;
        for (int c = 0; c < columns; ++c) {
            const long long k = (static_cast<long long>(j) + firstRow) * columns + c;
            if (k >= 0 && k < count) {
                if (k == cursor && cursorImage != nullptr) {
                    cursorImage->drawTo(target, x - 8, y);
                }
                const MenuItem* entry = entries[static_cast<std::size_t>(k)];
                if (entry != nullptr) {
                    drawText(target, entry->text, x, y);
                }
            }
            x += columnWidth;
        }
        y += lineHeight;
    }
}
