#pragma once

#include "ui/InnerWindow.h"

class CharacterState;

// The compact status of one fighter: the name on the top edge of the frame, then an HP gauge
// and an MP gauge of one row each. Values are read from the character at every draw, so the
// gauges follow damage without notice. Nothing is clipped to the window.
class StatusWindow : public InnerWindow {
public:
    using InnerWindow::InnerWindow;

    void draw(DIBImage& target) override;

    Pixel textColor = 0;
    // From the name line down to the HP gauge.
    int gaugeOffsetY = 16;
    CharacterState* character = nullptr;  // not owned; may be null
    // Points of HP or MP per 8 pixels of gauge.
    int gaugeUnit = 16;
};
