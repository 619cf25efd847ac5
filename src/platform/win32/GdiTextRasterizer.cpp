#include "platform/win32/GdiTextRasterizer.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/WideText.h"

GdiTextRasterizer::GdiTextRasterizer() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    // The face's name, "ＭＳ ゴシック", in UTF-16, so that it is found under any ANSI code page.
    font_ = CreateFontW(8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                        FIXED_PITCH | FF_MODERN, L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
    if (dc_ != nullptr) {
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(255, 255, 255));
        if (font_ != nullptr) {
            previousFont_ = SelectObject(dc_, font_);
        }
    }
}

GdiTextRasterizer::~GdiTextRasterizer() {
    releaseSurface();
    if (dc_ != nullptr) {
        if (previousFont_ != nullptr) {
            SelectObject(dc_, previousFont_);
        }
        DeleteDC(dc_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

COLORREF GdiTextRasterizer::toColorRef(Pixel colour) {
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

bool GdiTextRasterizer::ensureSurface(int width, int height) {
    if (bitmap_ != nullptr && width == width_ && height == height_) {
        return true;
    }
    releaseSurface();
    if (dc_ == nullptr || width <= 0 || height <= 0) {
        return false;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || bits == nullptr) {
        releaseSurface();
        return false;
    }
    pixels_ = static_cast<Pixel*>(bits);
    width_ = width;
    height_ = height;
    previousBitmap_ = SelectObject(dc_, bitmap_);
    return true;
}

void GdiTextRasterizer::releaseSurface() {
    if (bitmap_ != nullptr) {
        if (previousBitmap_ != nullptr) {
            SelectObject(dc_, previousBitmap_);
        }
        DeleteObject(bitmap_);
    }
    bitmap_ = nullptr;
    previousBitmap_ = nullptr;
    pixels_ = nullptr;
    width_ = 0;
    height_ = 0;
}

void GdiTextRasterizer::drawText(Image& target, const std::string& text, int left, int top,
                                 int right, int bottom, Pixel colour) {
    // The pixels GDI may touch: the text rectangle inside the target's clip rectangle.
    const int x0 = std::max(left, target.clipX0());
    const int y0 = std::max(top, target.clipY0());
    const int x1 = std::min(right, target.clipX1());
    const int y1 = std::min(bottom, target.clipY1());
    if (x0 >= x1 || y0 >= y1 || target.empty() || text.empty()) {
        return;
    }
    if (!ensureSurface(target.width(), target.height())) {
        return;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(Pixel);
    GdiFlush();  // GDI may still be writing to the section
    for (int y = y0; y < y1; ++y) {
        std::memcpy(pixels_ + static_cast<std::size_t>(y) * width_ + x0, target.row(y) + x0,
                    rowBytes);
    }
    // The whole text rectangle lays the text out (start position, line breaks); GDI clips to
    // it, and only the pixels inside the target's clip rectangle are copied back.
    SetTextColor(dc_, toColorRef(colour));
    RECT rect{left, top, right, bottom};
    // DT_NOPREFIX: a '&' in a modder's text is drawn as written, not taken as the underline
    // mark of the next character.
    // In UTF-16, drawn up to its first NUL.
    wideText(text, wide_);
    DrawTextW(dc_, wide_.c_str(), -1, &rect, DT_WORDBREAK | DT_NOPREFIX);
    GdiFlush();
    for (int y = y0; y < y1; ++y) {
        std::memcpy(target.row(y) + x0, pixels_ + static_cast<std::size_t>(y) * width_ + x0,
                    rowBytes);
    }
}
