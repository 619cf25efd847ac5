#include "ui/StatusWindow.h"

#include "data/CharacterState.h"
#include "gfx/DIBImage.h"
#include "gfx/Gauge.h"
#include "ui/TextWidth.h"
#include "ui/WindowImages.h"

void StatusWindow::draw(DIBImage& target) {
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
    const std::string& name = character->name();
    // The name sits on the top edge of the frame, on a band of the window's colour.
    target.fillRect(backColor, x, top, x + textWidth(name), y);
    drawText(target, name, x, y);

    const WindowImages* set = images();
    if (set == nullptr) {
        return;
    }
    drawGauge(target, x, y + gaugeOffsetY, character->hp(), character->maxHP(), gaugeUnit,
              set->image(WindowPart::HpFull), set->image(WindowPart::HpEmpty));
    drawGauge(target, x, y + gaugeOffsetY + 8, character->mp(), character->maxMP(), gaugeUnit,
              set->image(WindowPart::MpFull), set->image(WindowPart::MpEmpty));
}
