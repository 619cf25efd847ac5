#pragma once

#include <cstddef>
#include <vector>

#include "data/Animation.h"

class Image;

// Plays a sequence of steps, each showing one item for a number of frames. After `loop`
// passes (0 or less: never) it counts as finished; the final pass stops on the last frame of
// the last step and keeps showing it.
class SerialAnimation : public Animation {
public:
    struct Step {
        Drawable* item = nullptr;  // not owned; may be null
        int frames = 0;
        bool isAnimation = false;
        bool restartOnEntry = false;
    };

    explicit SerialAnimation(int loop = 1);

    // Both add operations append a step and start the sequence over from its first step.
    void addAnimation(Animation* animation, int frames, bool restartOnEntry);
    void addImage(Image* image, int frames);

    void drawTo(Image& target, int x, int y) const override;
    bool isFinished() const override;
    void update() override;
    void reset() override;

    const std::vector<Step>& steps() const { return steps_; }
    // Index of the step shown now; steps().size() when there is none.
    std::size_t current() const { return current_; }
    int counter() const { return counter_; }
    int passesDone() const { return passesDone_; }

    int loop = 1;

private:
    void append(const Step& step);
    void enterCurrent();

    std::vector<Step> steps_;
    std::size_t current_ = 0;
    std::size_t last_ = 0;
    int counter_ = 0;
    int passesDone_ = 0;
};
