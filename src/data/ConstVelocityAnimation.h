#pragma once

#include "data/StillAnimation.h"

// Moves its content from a start position by a fixed displacement per frame, for `length`
// frames (0 or less: for ever). x and y of the base are the current position.
class ConstVelocityAnimation : public StillAnimation {
public:
    ConstVelocityAnimation(Drawable* content = nullptr, int initX = 0, int initY = 0,
                           int velocityX = 0, int velocityY = 0, int length = 0);

    bool isFinished() const override;
    void update() override;
    void reset() override;

    int initX = 0;
    int initY = 0;
    int velocityX = 0;
    int velocityY = 0;
    int length = 0;
    int counter = 0;  // frames moved so far
};
