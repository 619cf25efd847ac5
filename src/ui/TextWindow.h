#pragma once

#include <string>
#include <vector>

#include "ui/InnerWindow.h"

// The message window: shows its text a page of linesPerPage lines at a time. Text is cut into
// lines only at line breaks (any run of CR and LF bytes is one break); there is no wrapping,
// and text wider than the window is not clipped by it. The scenes turn the pages.
class TextWindow : public InnerWindow {
public:
    TextWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
               int marginRight, int marginBottom, Pixel backColor, bool autoHeight);

    void draw(DIBImage& target) override;
    // Back to the first page.
    virtual void resetPage();
    // direction 1 shows the next page, 0 the previous one. Returns whether that page exists;
    // a refused turn leaves the window on its first or last page.
    virtual bool turnPage(int direction);

    // Cuts text into lines and adds them after the lines already held.
    void appendText(const std::string& text);

    Pixel textColor = 0;
    std::vector<std::string> lines;
    int firstLine = 0;
    int linesPerPage = 1;
    int lineHeight = 16;
    // When set, every draw recomputes bottom from the margins and the number of lines shown.
    bool autoHeight;

protected:
    // bottom = top + margins + lineHeight * lineCount, when autoHeight is set.
    void applyAutoHeight(int lineCount);
    // Draws the current page from the content origin; returns the y below the last line drawn.
    int drawPage(DIBImage& target) const;
};

// Replaces the whole text of a window (null is the empty text, which is one empty line) and
// goes back to its first page.
void setText(TextWindow& window, const char* text);
