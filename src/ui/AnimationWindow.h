#pragma once

#include "ui/InnerWindow.h"

class Drawable;

// A borderless box filled with backColor that plays a picture or an animation clipped to its
// rectangle. With `animate` on, an Animation is advanced one step each time it is drawn;
// plain images (the scenes show faces here) are simply drawn.
class AnimationWindow : public InnerWindow {
public:
    using InnerWindow::InnerWindow;

    void draw(DIBImage& target) override;

    Drawable* animation = nullptr;  // not owned; may be null
    bool animate = false;

protected:
    // The fill and the clipped animation without the visibility test.
    void drawContent(Image& target);
};
