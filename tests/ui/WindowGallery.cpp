#include "WindowGallery.h"

namespace {

constexpr Pixel kFill = 0xFFBF9F;
constexpr Pixel kScreen = 0x7FBF00;

}  // namespace

WindowGallery::WindowGallery()
    : message(8, 8, 168, 104, 16, 16, 16, 0, kFill, true),
      name(176, 8, 248, 32, 16, 8, 8, 8, kFill, false),
      option(8, 56, 168, 104, 16, 16, 16, 0, kFill, true),
      status(176, 32, 248, 80, 8, 8, 8, 8, kFill),
      picture(176, 80, 248, 112, 0, 0, 0, 0, 0x000040),
      map(16, 112, 240, 176, 0, 0, 0, 0, 0x204020),
      lowerStatus(72, 176, 240, 224, 8, 8, 8, 8, kFill),
      hero("ゆうしゃ", 57, 100, 30, 40),
      lowerHero("まほう", 150, 200, 24, 40) {
    message.linesPerPage = 2;
    setText(message, "ウィンドウの　みほん\r\nWindow gallery 1.0");
    setText(name, "なまえまど");

    option.rows = 1;
    option.columns = 2;
    option.menu = &menu;
    menu.moveCursor(1);
    setText(option, "どうする？");

    status.character = &hero.state;
    lowerStatus.character = &lowerHero.state;

    // A picture larger than its window: rings of colour, clipped to the window.
    face.resize(96, 48);
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int ring = (std::abs(x - 36) + std::abs(y - 16)) / 6;
            face.setPixel(x, y, ring % 2 == 0 ? 0x40C0FF : 0xFFFFFF);
        }
    }
    picture.animation = &face;

    map.setBattleGroundCount(3);
    map.setStage(1);
    map.markerX = 60;
}

void WindowGallery::draw(DIBImage& target) {
    target.fillRect(kScreen, target.clipX0(), target.clipY0(), target.clipX1(), target.clipY1());
    message.draw(target);
    option.draw(target);
    status.draw(target);
    picture.draw(target);
    name.draw(target);
    map.draw(target);
    lowerStatus.draw(target);
}
