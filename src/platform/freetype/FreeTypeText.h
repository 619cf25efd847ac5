#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/TextRasterizer.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Shift-JIS text drawn with FreeType from an 8-dot Japanese font: Misaki Gothic from the
// Debian package fonts-misaki, or the font file named by the VK_FONT environment variable.
// Each character code is converted to Unicode and rendered once, on first use, into a fixed
// table of one-bit 8 x 8 cells; after that drawing only copies bits and allocates nothing.
// Bytes that are not valid Shift-JIS, codes with no Unicode character and characters the font
// lacks are drawn as a hollow box, so broken text is visible rather than silently dropped.
class FreeTypeText : public TextRasterizer {
public:
    static constexpr const char* kDefaultFontPath =
        "/usr/share/fonts/truetype/misaki/misaki_gothic.ttf";

    // The game font (VK_FONT when set and not empty, else the default path). Null with a
    // message naming the path tried and the package to install when it cannot be opened.
    static std::unique_ptr<FreeTypeText> open(std::string& error);
    // A given font file; null with a message when it cannot be opened.
    static std::unique_ptr<FreeTypeText> openFile(const std::string& path, std::string& error);

    ~FreeTypeText() override;
    FreeTypeText(const FreeTypeText&) = delete;
    FreeTypeText& operator=(const FreeTypeText&) = delete;

    void drawText(Image& target, const std::string& text, int left, int top, int right, int bottom,
                  Pixel colour) override;

private:
    // One character cell: row r, bit 7 - c is column c.
    struct Cell {
        std::array<std::uint8_t, 8> rows{};
        bool ready = false;
    };

    FreeTypeText() = default;
    // code is a one-byte character (below 256) or lead << 8 | trail of a valid pair.
    const Cell& cell(unsigned code, int width);
    void render(unsigned code, int width, Cell& cell) const;
    // The Unicode character of a Shift-JIS code, or 0 when it has none.
    std::uint32_t toUnicode(unsigned code) const;
    static void drawCell(Image& target, const Cell& cell, int x, int y, int width, int x0, int y0,
                         int x1, int y1, Pixel colour);

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    void* converter_ = nullptr;  // iconv descriptor from CP932 to UTF-32LE
    int ascent_ = 6;             // baseline row inside the 8-row cell
    std::vector<Cell> cells_;    // every one-byte code, then every lead/trail pair
    Cell narrowBox_;             // substitute for a lead byte without its second byte
};
