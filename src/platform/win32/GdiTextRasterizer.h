#pragma once

#include <windows.h>

#include <string>

#include "platform/TextRasterizer.h"

// The game font through GDI: an 8-pixel "ＭＳ ゴシック" made with CreateFontW, drawn with
// DrawTextW (DT_WORDBREAK | DT_NOPREFIX, the text converted by wideText) into a 32-bit DIB
// section selected into a memory device context. The target's pixels under the visible part of
// the text rectangle are copied into the DIB section, GDI draws on them, and the same pixels
// are copied back: the result is exactly GDI drawing on the target's own memory, with a
// transparent background, clipped to the text rectangle and to the target's clip rectangle.
// The DIB section is made again only when a target of another size comes, and the UTF-16 text
// keeps its buffer, so drawing text allocates nothing once the longest text has come.
class GdiTextRasterizer : public TextRasterizer {
public:
    GdiTextRasterizer();
    ~GdiTextRasterizer() override;
    GdiTextRasterizer(const GdiTextRasterizer&) = delete;
    GdiTextRasterizer& operator=(const GdiTextRasterizer&) = delete;

    void drawText(Image& target, const std::string& text, int left, int top, int right, int bottom,
                  Pixel colour) override;

    // The colour reference GDI gets for a pixel value: 0xAARRGGBB becomes 0x00BBGGRR.
    static COLORREF toColorRef(Pixel colour);
    HFONT font() const { return font_; }

private:
    // A DIB section of the given size selected into the device context; false when GDI fails.
    bool ensureSurface(int width, int height);
    void releaseSurface();

    HDC dc_ = nullptr;
    HFONT font_ = nullptr;
    HGDIOBJ previousFont_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    Pixel* pixels_ = nullptr;  // top-down rows, owned by bitmap_
    std::wstring wide_;        // the text being drawn, in UTF-16
    int width_ = 0;
    int height_ = 0;
};
