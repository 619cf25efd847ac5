#pragma once

#include <cstdint>

#include "gfx/Drawable.h"

// Base of every frame-driven drawable. One update() is one frame; reset() starts it over.
// The base draws nothing, never moves and counts as finished.
class Animation : public Drawable {
public:
    ~Animation() override = default;
    virtual bool isFinished() const { return true; }
    virtual void update() {}
    virtual void reset() {}

protected:
    // Held by an owner while it passes its reset on to what it shows; the outermost one
    // starts a new pass.
    class ResetPass {
    public:
        ResetPass();
        ~ResetPass();
        ResetPass(const ResetPass&) = delete;
        ResetPass& operator=(const ResetPass&) = delete;
    };

    // Resets an animation the owner shows, unless the pass under way already reset it. A
    // reset only puts an animation back to its start, so once per pass gives the same result
    // as once per path; and a data file that shows one animation along many paths (two steps
    // at each of many levels double them at every level) costs one reset per animation.
    static void resetShown(Animation& item);

private:
    std::uint64_t resetPass_ = 0;  // the last pass that reset this animation
    // The game's animations live on one thread.
    static inline std::uint64_t currentPass_ = 0;
    static inline int openPasses_ = 0;
};
