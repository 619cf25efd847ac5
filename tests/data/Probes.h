#pragma once

#include <string>
#include <vector>

#include "data/Animation.h"
#include "gfx/Image.h"

// Images and animations that write down what happens to them, so tests can see which item a
// composed animation shows, where, and which parts it advances.
struct DrawCall {
    char id;
    int x;
    int y;
    bool operator==(const DrawCall&) const = default;
};

class ProbeDrawable : public Image {
public:
    ProbeDrawable(char id, std::vector<DrawCall>* log) : id_(id), log_(log) {}
    void drawTo(Image&, int x, int y) const override { log_->push_back({id_, x, y}); }

private:
    char id_;
    std::vector<DrawCall>* log_;
};

class ProbeAnimation : public Animation {
public:
    ProbeAnimation(char id, std::vector<DrawCall>* log) : id_(id), log_(log) {}
    void drawTo(Image&, int x, int y) const override { log_->push_back({id_, x, y}); }
    void update() override { ++updates; }
    void reset() override { ++resets; }

    int updates = 0;
    int resets = 0;

private:
    char id_;
    std::vector<DrawCall>* log_;
};

// The id of what a drawable shows now ('-' when it draws nothing).
inline char shown(const Drawable& drawable, std::vector<DrawCall>& log) {
    static Image target;
    log.clear();
    drawable.drawTo(target, 0, 0);
    return log.empty() ? '-' : log.back().id;
}
