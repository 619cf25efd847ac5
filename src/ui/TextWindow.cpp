#include "ui/TextWindow.h"

#include "gfx/DIBImage.h"

namespace {

bool isBreak(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

TextWindow::TextWindow(int left, int top, int right, int bottom, int marginLeft, int marginTop,
                       int marginRight, int marginBottom, Pixel backColor, bool autoHeight)
    : InnerWindow(left, top, right, bottom, marginLeft, marginTop, marginRight, marginBottom,
                  backColor),
      autoHeight(autoHeight) {
    TextWindow::resetPage();
}

void TextWindow::resetPage() {
    firstLine = 0;
}

bool TextWindow::turnPage(int direction) {
    firstLine += direction == 0 ? -linesPerPage : linesPerPage;
    if (firstLine < 0) {
        firstLine = 0;
        return false;
    }
    if (static_cast<std::size_t>(firstLine) < lines.size()) {
        return true;
    }
    firstLine -= linesPerPage;
    return false;
}

void TextWindow::appendText(const std::string& text) {
    // Second bytes of two-byte Shift-JIS characters are never CR or LF, so a byte-wise search
    // cannot split a character.
    std::size_t pos = 0;
    while (true) {
        std::size_t lineEnd = pos;
        while (lineEnd < text.size() && !isBreak(text[lineEnd])) {
            ++lineEnd;
        }
        lines.emplace_back(text, pos, lineEnd - pos);
        while (lineEnd < text.size() && isBreak(text[lineEnd])) {
            ++lineEnd;
        }
        if (lineEnd >= text.size()) {
            return;
        }
        pos = lineEnd;
    }
}

void TextWindow::applyAutoHeight(int lineCount) {
    if (autoHeight) {
        bottom = top + marginTop + marginBottom + lineHeight * lineCount;
    }
}

int TextWindow::drawPage(DIBImage& target) const {
    int y = top + marginTop;
    for (int i = 0; i < linesPerPage; ++i) {
        // Unsigned, so a negative first line shows nothing rather than reading out of range.
        const auto k = static_cast<std::size_t>(static_cast<unsigned>(firstLine + i));
        if (k >= lines.size()) {
            break;
        }
        drawText(target, lines[k], left + marginLeft, y);
        y += lineHeight;
    }
    return y;
}

void TextWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    applyAutoHeight(linesPerPage);
    drawFrame(target);
    target.setTextColor(textColor);
    drawPage(target);
}

void setText(TextWindow& window, const char* text) {
    const std::string copy = text != nullptr ? text : "";
    window.lines.clear();
    window.resetPage();
    window.appendText(copy);
}
