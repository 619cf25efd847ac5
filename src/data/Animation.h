#pragma once

#include "gfx/Drawable.h"

// Base of every frame-driven drawable. One update() is one frame; reset() starts it over.
// The base draws nothing, never moves and counts as finished.
class Animation : public Drawable {
public:
    ~Animation() override = default;
    virtual bool isFinished() const { return true; }
    virtual void update() {}
    virtual void reset() {}
};
