#pragma once

#include "ui/StatusWindow.h"

// The labelled status: "せいめい…" and "どりょく…" gauges that continue on further rows of
// six tiles, a heart frame under "こころ………", and a name plate outside the window to its
// left.
class MyStatusWindow : public StatusWindow {
public:
    using StatusWindow::StatusWindow;

    void draw(DIBImage& target) override;
};
