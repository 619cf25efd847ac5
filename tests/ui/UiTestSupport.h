#pragma once

#include <string>
#include <vector>

#include "data/CharacterDefinitionImpl.h"
#include "data/CharacterState.h"
#include "gfx/DIBImage.h"
#include "platform/TextRasterizer.h"
#include "ui/WindowImages.h"

// Helpers shared by the window tests.
namespace uitest {

// Remembers every text it is asked to draw, and where.
struct RecordingText : TextRasterizer {
    struct Call {
        std::string text;
        int left, top, right, bottom;
        Pixel colour;
    };
    void drawText(Image&, const std::string& text, int left, int top, int right, int bottom,
                  Pixel colour) override {
        calls.push_back({text, left, top, right, bottom, colour});
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Call& call : calls) {
            result.push_back(call.text);
        }
        return result;
    }
    std::vector<Call> calls;
};

constexpr Pixel kScreenColor = 0x123456;
constexpr Pixel kBack = 0xFFBF9F;

// Every window part is a plain 8 x 8 tile of its own colour.
inline Pixel partColor(WindowPart part) {
    return 0x100000u * (static_cast<Pixel>(part) + 1) + 0x77;
}

// A framebuffer filled with kScreenColor whose text goes to a RecordingText, and a window
// image set of plain tiles.
struct Screen {
    Screen() : font(&text) {
        for (int i = 0; i < static_cast<int>(WindowPart::Count); ++i) {
            Image& tile = images.editImage(static_cast<WindowPart>(i));
            tile.resize(8, 8);
            tile.fillRect(partColor(static_cast<WindowPart>(i)), 0, 0, 8, 8);
        }
        target.fillRect(kScreenColor, 0, 0, 256, 224);
        target.selectFont(&font);
    }
    Pixel at(int x, int y) const { return target.pixel(x, y); }

    WindowImages images;
    RecordingText text;
    Font font;
    DIBImage target{256, 224};
};

// A fighter at full strength who has then lost some HP and MP.
struct Fighter {
    Fighter(const std::string& name, int hp, int maxHP, int mp, int maxMP) : state(&definition) {
        definition.setName(name);
        definition.setMaxHP(maxHP);
        definition.setMaxMP(maxMP);
        state.restore();
        state.subtractHP(maxHP - hp);
        state.subtractMP(maxMP - mp);
    }
    CharacterDefinitionImpl definition;
    CharacterState state;
};

}  // namespace uitest
