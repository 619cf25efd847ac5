#pragma once

// Where the shell's picture (the menu strip over the game's 256 x 224 framebuffer) lands in the
// window: its top-left corner in window pixels and the whole-number zoom that keeps every
// picture pixel a sharp square block. Translates window positions back into picture pixels.
struct ZoomLayout {
    int scale = 1;
    int left = 0;
    int top = 0;

    // A window position as a picture position, rounded down, so positions left of or above the
    // picture stay negative and never land on its first row or column.
    int toPictureX(int windowX) const { return floorDivide(windowX - left, scale); }
    int toPictureY(int windowY) const { return floorDivide(windowY - top, scale); }

private:
    static int floorDivide(int value, int divisor) {
        return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
    }
};

// The zoom arithmetic of the desktop window: the largest zoom that fits an area, the cycle of
// window zooms, and the centred placement used in fullscreen.
class Zoom {
public:
    // The largest zoom anyone may ask for, on the command line or by cycling.
    static constexpr int kMaxScale = 16;

    // The largest zoom (1 to kMaxScale) at which a width x height picture fits inside the area.
    // 1 when even the picture at its own size does not fit.
    static int largestFit(int width, int height, int areaWidth, int areaHeight);
    // The zoom after current in the cycle 1, 2, ..., largest, 1, ...
    static int next(int current, int largest);
    // A window at the given zoom: the picture sits at the top-left corner.
    static ZoomLayout topLeft(int scale);
    // Fullscreen: the largest zoom that fits the window, the picture centred (rounded towards
    // the top-left when the margin is odd).
    static ZoomLayout centred(int width, int height, int windowWidth, int windowHeight);
};
