#pragma once

#include "ui/TextWindow.h"

class MenuManager;

// A text window that also shows the current level of a menu as a grid below its text: entry
// k sits in row k / columns, column k % columns, with the cursor picture in the 8 pixels left
// of the highlighted label. Only `rows` rows are shown; the window scrolls (firstRow) so that
// the cursor's row stays visible, and keeps that scroll position between frames.
class OptionWindow : public TextWindow {
public:
    OptionWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                 int marginRight, int marginBottom, Pixel backColor, bool autoHeight);

    void draw(DIBImage& target) override;

    int rows = 2;
    int columns = 1;
    int firstRow = 0;
    MenuManager* menu = nullptr;

private:
    void drawEntries(DIBImage& target, int y);
};
