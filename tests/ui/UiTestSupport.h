#pragma once

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/CharacterDefinition.h"
#include "data/CharacterState.h"
#include "gfx/DIBImage.h"
#include "gfx/ImageSave.h"
#include "platform/TextRasterizer.h"
#include "ui/WindowImages.h"

// Helpers shared by the window tests.
namespace uitest {

// Remembers every text it is asked to draw, and where.
class RecordingText : public TextRasterizer {
public:
    struct Call {
        std::string text;
        int left, top, right, bottom;
        Pixel colour;
    };
    void drawText(Image&, const std::string& text, int left, int top, int right, int bottom,
                  Pixel colour) override {
        calls.push_back({text, left, top, right, bottom, colour});
    }
    const Call* find(const std::string& text) const {
        for (const Call& call : calls) {
            if (call.text == text) {
                return &call;
            }
        }
        return nullptr;
    }
    std::vector<Call> calls;
};

constexpr Pixel kScreenColor = 0x123456;

// Every window part painted as a plain 8 x 8 tile of its own colour.
inline Pixel partColor(WindowPart part) {
    return 0x100000u * (static_cast<Pixel>(part) + 1) + 0x77;
}

inline void paintTiles(WindowImages& set) {
    for (int i = 0; i < static_cast<int>(WindowPart::Count); ++i) {
        const auto part = static_cast<WindowPart>(i);
        Image& tile = set.editImage(part);
        tile.resize(8, 8);
        tile.fillRect(partColor(part), 0, 0, 8, 8);
    }
}

// A framebuffer filled with kScreenColor, drawing text through a RecordingText, and a window
// image set of plain tiles.
struct Screen {
    Screen() : font(&text) {
        paintTiles(images);
        target.fillRect(kScreenColor, 0, 0, 256, 224);
        target.selectFont(&font);
    }
    Pixel at(int x, int y) const { return target.pixel(x, y); }

    WindowImages images;
    RecordingText text;
    Font font;
    DIBImage target{256, 224};
};

// A definition with fixed maxima and named special arts.
class FakeDefinition : public CharacterDefinition {
public:
    FakeDefinition(std::string name, int maxHP, int maxMP) : name_(std::move(name)) {
        maxHP_ = maxHP;
        maxMP_ = maxMP;
    }
    const std::string& name() const override { return name_; }
    const std::string& description() const override { return name_; }
    int maxHP() const override { return maxHP_; }
    int maxMP() const override { return maxMP_; }
    SpecialArt* specialArt(int index) const override {
        if (index < 0 || index >= specialArtCount()) {
            throw std::out_of_range("special art");
        }
        return arts[static_cast<std::size_t>(index)];
    }
    SpecialArt* chooseSpecialArt() const override { return nullptr; }
    int specialArtCount() const override { return static_cast<int>(arts.size()); }
    Image* faceImage(int) override { return &face_; }

    std::vector<SpecialArt*> arts;

private:
    std::string name_;
    int maxHP_;
    int maxMP_;
    Image face_;
};

// A fighter at full strength who has then lost some HP and MP.
struct Fighter {
    Fighter(const std::string& name, int hp, int maxHP, int mp, int maxMP)
        : definition(name, maxHP, maxMP), state(&definition) {
        state.restore();
        state.subtractHP(maxHP - hp);
        state.subtractMP(maxMP - mp);
    }
    FakeDefinition definition;
    CharacterState state;
};

// A fresh folder under the build tree that is the working directory while this lives, so
// that the game's relative paths ("image/...") find the pictures a test writes.
class TempWorkDir {
public:
    explicit TempWorkDir(const std::string& name)
        : previous_(std::filesystem::current_path()),
          path_(std::filesystem::path(VK_BINARY_DIR) / "ui-test-work" / name) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ / "image");
        std::filesystem::current_path(path_);
    }
    ~TempWorkDir() { std::filesystem::current_path(previous_); }
    TempWorkDir(const TempWorkDir&) = delete;
    TempWorkDir& operator=(const TempWorkDir&) = delete;

    // Writes a w x h picture of one colour as image/<name>.png; true on success.
    static bool writeTile(const std::string& name, int w, int h, Pixel colour) {
        Image tile;
        tile.resize(w, h);
        tile.fillRect(colour, 0, 0, w, h);
        return savePng(tile, "image/" + name + ".png");
    }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace uitest
