#include "ui/MyStatusWindow.h"

#include "data/CharacterState.h"
#include "gfx/DIBImage.h"
#include "gfx/Gauge.h"
#include "text/Catalogue.h"
#include "ui/WindowImages.h"

void MyStatusWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    drawFrame(target);
    if (character == nullptr) {
        return;
    }
    target.setTextColor(textColor);
    const int x = left + marginLeft;
    const int y = top + marginTop;

    // A 48 x 16 plate left of the window, with the name on it.
    target.fillRect(backColor, left - 56, top + 16, left - 8, top + 32);
    drawText(target, character->name(), x - 56, y + 16);

    drawText(target, text(TextId::StatusLife), x, y + 8);
    drawText(target, text(TextId::StatusEffort), x, y + 24);
    drawText(target, text(TextId::StatusHeart), x + 96, y + 8);

    const WindowImages* set = images();
    if (set == nullptr) {
        return;
    }
    // Each row holds six tiles' worth of points; further points continue on the next row.
    const int perRow = 6 * gaugeUnit;
    drawGaugeRows(target, x + 40, y + 8, character->hp(), perRow, character->maxHP(), gaugeUnit,
                  set->image(WindowPart::HpFull), set->image(WindowPart::HpEmpty));
    drawGaugeRows(target, x + 40, y + 24, character->mp(), perRow, character->maxMP(), gaugeUnit,
                  set->image(WindowPart::MpFull), set->image(WindowPart::MpEmpty));
    set->image(WindowPart::HeartFrame).drawTo(target, x + 96, y + 24);
}
