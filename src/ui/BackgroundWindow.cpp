#include "ui/BackgroundWindow.h"

#include "data/DataManager.h"
#include "gfx/DIBImage.h"
#include "platform/GamePath.h"

namespace {

constexpr Pixel kTrackColor = 0xBF3F3F;
// The stage points spread over this many pixels, first to last.
constexpr int kTrackSpan = 192;

}  // namespace

BackgroundWindow::BackgroundWindow(int left, int top, int right, int bottom, int marginLeft,
                                   int marginTop, int marginRight, int marginBottom,
                                   Pixel backColor)
    : AnimationWindow(left, top, right, bottom, marginLeft, marginTop, marginRight, marginBottom,
                      backColor) {}

BackgroundWindow::~BackgroundWindow() = default;

void BackgroundWindow::setBattleGroundCount(int count) {
    groundCount_ = count;
    spacing_ = count >= 2 ? kTrackSpan / (count - 1) : 0;
    goal_ = count >= 2 ? (count - 1) * spacing_ + 8 : 8;
    geometryKnown_ = true;
}

void BackgroundWindow::ensureGeometry() {
    if (!geometryKnown_) {
        const DataManager* registry = DataManager::instance();
        setBattleGroundCount(registry != nullptr ? registry->enemyCount() : 0);
    }
}

int BackgroundWindow::stageSpacing() {
    ensureGeometry();
    return spacing_;
}

int BackgroundWindow::goalColumn() {
    ensureGeometry();
    return goal_;
}

void BackgroundWindow::setStage(int index) {
    ensureGeometry();
    if (index >= 0 && index < groundCount_) {
        targetX = index * spacing_ + 4;
        targetY = 44;
    } else {
        targetX = goal_ - 4;
        targetY = 4;
    }
}

void BackgroundWindow::loadTrackImages() {
    walk1_ = std::make_unique<KeyColorImage>(gamePath(kTrackFiles[0]));
    walk2_ = std::make_unique<KeyColorImage>(gamePath(kTrackFiles[1]));
    circle_ = std::make_unique<KeyColorImage>(gamePath(kTrackFiles[2]));
    goalImage_ = std::make_unique<KeyColorImage>(gamePath(kTrackFiles[3]));
}

bool BackgroundWindow::stepAxis(int& position, int target) const {
    const long long d = static_cast<long long>(target) - position;
    if (d <= -markerStep) {
        position -= markerStep;
        return true;
    }
    if (d > markerStep) {
        position += markerStep;
        return true;
    }
    position = target;  // close enough: snap, which is not a step of the walk
    return false;
}

void BackgroundWindow::stepMarker() {
    if (frameCounter_ < moveInterval) {
        ++frameCounter_;
        return;
    }
    frameCounter_ = 0;
    const bool movedX = stepAxis(markerX, targetX);
    const bool movedY = stepAxis(markerY, targetY);
    if (movedX || movedY) {
        if (++walkCounter_ >= 4) {
            walkCounter_ = 0;
            markerFrame_ = 1 - markerFrame_;
        }
    } else {
        markerFrame_ = 0;  // standing still
    }
}

void BackgroundWindow::draw(DIBImage& target) {
    if (!visible) {
        return;
    }
    drawContent(target);
    ensureGeometry();
    if (!walk1_) {
        loadTrackImages();
    }
    // Not clipped to the window: the track uses the target's own clip rectangle.
    const int cw = circle_->width();
    const int ch = circle_->height();
    goalImage_->drawTo(target, left + 188, top);
    target.fillRect(kTrackColor, left + cw + 8, top + 50, left + goal_, top + ch + 46);
    target.fillRect(kTrackColor, left + goal_ + 2, top + ch + 8, left + goal_ + cw - 2, top + 48);
    for (int i = 0; i < groundCount_; ++i) {
        circle_->drawTo(target, left + i * spacing_ + 8, top + 48);
    }
    circle_->drawTo(target, left + goal_, top + 8);
    stepMarker();
    const KeyColorImage& frame = markerFrame_ == 0 ? *walk1_ : *walk2_;
    frame.drawTo(target, left + markerX, top + markerY);
}
