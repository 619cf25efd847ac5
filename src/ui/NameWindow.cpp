#include "ui/NameWindow.h"

#include "gfx/DIBImage.h"
#include "ui/TextWidth.h"

void NameWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    applyAutoHeight(linesPerPage);
    drawFrame(target);
    target.fillRect(backColor, left + 8, top, right - 8, bottom);
    target.setTextColor(textColor);
    if (lines.empty()) {
        return;
    }
    const std::string& name = lines.front();
    int x = left + marginLeft;
    if (textWidth(name) + marginLeft + marginRight > right - left) {
        x -= 8;
    }
    drawText(target, name, x, top + marginTop);
}
