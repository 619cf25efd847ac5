#pragma once

#include "ui/TextWindow.h"

// A one-line label: the first line of its text on a plain field between the left and right
// edges (the top and bottom edge tiles are painted over). A label too wide for the margins is
// shifted 8 pixels to the left.
class NameWindow : public TextWindow {
public:
    using TextWindow::TextWindow;

    void draw(DIBImage& target) override;
};
