#pragma once

#include <SDL2/SDL.h>

#include "app/Zoom.h"

// How the shell's picture (menu strip over the game picture) is shown in the window. In a
// window it sits at the top-left corner, zoomed by a whole number that the player cycles from
// 1 up to the largest that fits the display, white beside it. In fullscreen (desktop size) it
// takes the largest whole zoom that fits, centred on black. Pixels always stay sharp squares.
class SdlView {
public:
    // width x height is the shell's picture; scale the window's zoom at start.
    SdlView(int width, int height, int scale) : width_(width), height_(height), zoom_(scale) {}

    // The window and renderer to show the picture in, once they exist.
    void attach(SDL_Window* window, SDL_Renderer* renderer);

    // Windowed: resizes the window to the next zoom of the cycle. Ignored in fullscreen, where
    // the zoom is always the largest that fits.
    void cycleZoom();
    // Switches between the window and desktop-sized fullscreen.
    void toggleFullscreen();
    bool isFullscreen() const { return fullscreen_; }
    int windowZoom() const { return zoom_; }

    // Draws the picture's texture where the layout puts it and shows the result.
    void render(SDL_Texture* picture);
    // Where the picture was last drawn: translates mouse positions into picture pixels.
    const ZoomLayout& layout() const { return layout_; }

private:
    // Where the inside of the window may go: the usable part of its display less the frame
    // the window manager draws. False when the system cannot tell.
    bool usableArea(SDL_Rect& area) const;

    int width_;
    int height_;
    int zoom_;
    bool fullscreen_ = false;
    ZoomLayout layout_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
};
