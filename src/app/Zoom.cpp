#include "app/Zoom.h"

#include <algorithm>

int Zoom::largestFit(int width, int height, int areaWidth, int areaHeight) {
    if (width <= 0 || height <= 0) {
        return 1;
    }
    const int scale = std::min(areaWidth / width, areaHeight / height);
    return std::clamp(scale, 1, kMaxScale);
}

int Zoom::next(int current, int largest) {
    return current >= largest || current < 1 ? 1 : current + 1;
}

ZoomLayout Zoom::topLeft(int scale) {
    ZoomLayout layout;
    layout.scale = std::clamp(scale, 1, kMaxScale);
    return layout;
}

ZoomLayout Zoom::centred(int width, int height, int windowWidth, int windowHeight) {
    ZoomLayout layout;
    layout.scale = largestFit(width, height, windowWidth, windowHeight);
    // Floor halves, so a picture larger than the window is cut evenly on both sides.
    layout.left = (windowWidth - width * layout.scale) >> 1;
    layout.top = (windowHeight - height * layout.scale) >> 1;
    return layout;
}
