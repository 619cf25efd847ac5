#include "platform/freetype/FreeTypeText.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cstdlib>

#include "gfx/ShiftJisIconv.h"

namespace {

constexpr int kTrailCount = 0xFC - 0x40 + 1;  // trail bytes 0x40..0xFC
constexpr int kLeadCount = 31 + 29;           // lead bytes 0x81..0x9F and 0xE0..0xFC

bool isLeadByte(unsigned b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
bool isTrailByte(unsigned b) {
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

int cellIndex(unsigned code) {
    if (code < 256) {
        return static_cast<int>(code);
    }
    const unsigned lead = code >> 8;
    const unsigned trail = code & 0xFF;
    const int leadIndex =
        lead <= 0x9F ? static_cast<int>(lead - 0x81) : static_cast<int>(lead - 0xE0 + 31);
    return 256 + leadIndex * kTrailCount + static_cast<int>(trail - 0x40);
}

constexpr const char* kCannotOpen = "Cannot open the game font ";

// A hollow box filling most of a cell of the given width.
void drawBox(std::array<std::uint8_t, 8>& rows, int width) {
    const std::uint8_t full = width == 8 ? 0x7E : 0xE0;
    const std::uint8_t sides = width == 8 ? 0x42 : 0xA0;
    rows = {0, full, sides, sides, sides, sides, full, 0};
}

}  // namespace

std::unique_ptr<FreeTypeText> FreeTypeText::open(std::string& error) {
    const char* fromEnvironment = std::getenv("VK_FONT");
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        auto text = openFile(fromEnvironment, error);
        if (text == nullptr) {
            error += " (the font named by the VK_FONT environment variable)";
        }
        return text;
    }
    auto text = openFile(kDefaultFontPath, error);
    if (text == nullptr && error.rfind(kCannotOpen, 0) == 0) {
        error += " (install the Debian package fonts-misaki, or name a font file in VK_FONT)";
    }
    return text;
}

std::unique_ptr<FreeTypeText> FreeTypeText::openFile(const std::string& path, std::string& error) {
    std::unique_ptr<FreeTypeText> text(new FreeTypeText());
    if (FT_Init_FreeType(&text->library_) != 0) {
        error = "Cannot start the FreeType font engine";
        return nullptr;
    }
    if (FT_New_Face(text->library_, path.c_str(), 0, &text->face_) != 0) {
        text->face_ = nullptr;
        error = kCannotOpen + path;
        return nullptr;
    }
    FT_Face face = text->face_;
    if (FT_Set_Pixel_Sizes(face, 0, 8) != 0 &&
        (face->num_fixed_sizes == 0 || FT_Select_Size(face, 0) != 0)) {
        error = "The font " + path + " cannot be drawn at 8 pixels";
        return nullptr;
    }
    // The baseline sits ascent rows below the top of the cell (6 for Misaki Gothic, whose
    // glyphs then fill rows 0 to 7 exactly).
    text->ascent_ = std::clamp(static_cast<int>((face->size->metrics.ascender + 32) >> 6), 0, 8);

    iconv_t converter = openShiftJisConverter("UTF-32LE");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        error = "The system's iconv has no CP932 (Shift-JIS) converter";
        return nullptr;
    }
    text->converter_ = converter;
    text->cells_.resize(256 + kLeadCount * kTrailCount);
    drawBox(text->narrowBox_.rows, 4);
    return text;
}

FreeTypeText::~FreeTypeText() {
    if (converter_ != nullptr) {
        iconv_close(static_cast<iconv_t>(converter_));
    }
    if (face_ != nullptr) {
        FT_Done_Face(face_);
    }
    if (library_ != nullptr) {
        FT_Done_FreeType(library_);
    }
}

std::uint32_t FreeTypeText::toUnicode(unsigned code) const {
    char in[2];
    std::size_t inLeft = 0;
    if (code >= 256) {
        in[inLeft++] = static_cast<char>(code >> 8);
    }
    in[inLeft++] = static_cast<char>(code & 0xFF);
    unsigned char out[8] = {};
    char* inPointer = in;
    char* outPointer = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    iconv_t converter = static_cast<iconv_t>(converter_);
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    const std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0 || sizeof out - outLeft != 4) {
        return 0;  // unmapped, or more than one character
    }
    return cp932Character(code, static_cast<std::uint32_t>(out[0]) |
                                    static_cast<std::uint32_t>(out[1]) << 8 |
                                    static_cast<std::uint32_t>(out[2]) << 16 |
                                    static_cast<std::uint32_t>(out[3]) << 24);
}

void FreeTypeText::render(unsigned code, int width, Cell& cell) const {
    const std::uint32_t unicode = toUnicode(code);
    if (unicode == 0) {
        drawBox(cell.rows, width);
        return;
    }
    if (unicode < 0x20 || unicode == 0x7F) {
        return;  // control characters are invisible
    }
    const FT_UInt index = FT_Get_Char_Index(face_, unicode);
    if (index == 0 ||
        FT_Load_Glyph(face_, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) !=
            0) {
        drawBox(cell.rows, width);
        return;
    }
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    const int rows = static_cast<int>(bitmap.rows);
    const int columns = static_cast<int>(bitmap.width);
    const int pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
    for (int r = 0; r < rows; ++r) {
        const int cy = ascent_ - slot->bitmap_top + r;
        if (cy < 0 || cy >= 8) {
            continue;
        }
        const int memoryRow = bitmap.pitch < 0 ? rows - 1 - r : r;
        const unsigned char* source =
            bitmap.buffer + static_cast<std::ptrdiff_t>(memoryRow) * pitch;
        for (int c = 0; c < columns; ++c) {
            const int cx = slot->bitmap_left + c;
            if (cx < 0 || cx >= width) {
                continue;
            }
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? ((source[c >> 3] >> (7 - (c & 7))) & 1) != 0
                                : bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && source[c] >= 128;
            if (on) {
                cell.rows[static_cast<std::size_t>(cy)] |= static_cast<std::uint8_t>(0x80 >> cx);
            }
        }
    }
}

const FreeTypeText::Cell& FreeTypeText::cell(unsigned code, int width) {
    Cell& cell = cells_[static_cast<std::size_t>(cellIndex(code))];
    if (!cell.ready) {
        render(code, width, cell);
        cell.ready = true;
    }
    return cell;
}

void FreeTypeText::drawCell(Image& target, const Cell& cell, int x, int y, int width, int x0,
                            int y0, int x1, int y1, Pixel colour) {
    // The caller has clipped (x0, y0)-(x1, y1) to the target.
    const int top = std::max(y, y0);
    const int bottom = std::min(y + 8, y1);
    const int left = std::max(x, x0);
    const int right = std::min(x + width, x1);
    if (left >= right || top >= bottom) {
        return;
    }
    // Bit 7 - c is column c: keep the columns from left to right - 1, then visit only the
    // lit ones.
    const unsigned columns = (0xFFu >> (left - x)) & (0xFFu << (8 - (right - x)));
    for (int py = top; py < bottom; ++py) {
        auto bits =
            static_cast<std::uint8_t>(cell.rows[static_cast<std::size_t>(py - y)] & columns);
        if (bits == 0) {
            continue;
        }
        Pixel* row = target.row(py) + x;
        do {
            const int c = std::countl_zero(bits);
            row[c] = colour;
            bits = static_cast<std::uint8_t>(bits & ~(0x80u >> c));
        } while (bits != 0);
    }
}

void FreeTypeText::drawText(Image& target, const std::string& text, int left, int top, int right,
                            int bottom, Pixel colour) {
    const int x0 = std::max(left, target.clipX0());
    const int y0 = std::max(top, target.clipY0());
    const int x1 = std::min(right, target.clipX1());
    const int y1 = std::min(bottom, target.clipY1());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    colour &= 0xFFFFFF;
    const std::size_t size = text.size();
    const auto byteAt = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    int x = left;
    int y = top;
    std::size_t i = 0;
    while (i < size && y < y1) {
        const unsigned b = byteAt(i);
        if (b == 0) {
            break;  // the text ends at a zero byte, as a C string would
        }
        if (b == '\r' || b == '\n') {
            i += (b == '\r' && i + 1 < size && byteAt(i + 1) == '\n') ? 2 : 1;
            x = left;
            y += 8;
            continue;
        }
        if (x >= x1) {
            ++i;  // past the right edge: only a line break can bring anything back
            continue;
        }
        int width = 4;
        const Cell* glyph = nullptr;
        if (!isLeadByte(b)) {
            glyph = &cell(b, 4);
            i += 1;
        } else if (i + 1 < size && isTrailByte(byteAt(i + 1))) {
            width = 8;
            glyph = &cell(b << 8 | byteAt(i + 1), 8);
            i += 2;
        } else {
            glyph = &narrowBox_;  // a lead byte without its second byte
            i += 1;
        }
        if (x + width > x0 && y + 8 > y0) {
            drawCell(target, *glyph, x, y, width, x0, y0, x1, y1, colour);
        }
        x += width;
    }
}
