#pragma once

#include <array>
#include <string>

#include "app/InputState.h"
#include "gfx/Image.h"

class DIBImage;

// The picture the game shows until its scenes take over: a frame, text in two colours, a
// gauge, colour bars, the picture image/testcard.png when the game folder has one, and one lamp
// per logical button that lights while the button is held. It changes only with the input, so
// two runs that saw the same input draw the same picture.
class TestCard {
public:
    TestCard();

    void update(const InputState& input);
    void draw(DIBImage& target) const;

private:
    std::string title_;
    std::string subtitle_;
    std::array<std::string, ButtonCount> labels_;
    Image gaugeFull_;
    Image gaugeEmpty_;
    Image picture_;
    std::array<bool, ButtonCount> held_{};
};
