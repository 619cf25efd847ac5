#include "platform/sdl/SdlView.h"

#include <algorithm>

void SdlView::attach(SDL_Window* window, SDL_Renderer* renderer) {
    window_ = window;
    renderer_ = renderer;
    layout_ = Zoom::topLeft(zoom_);
}

void SdlView::cycleZoom() {
    if (fullscreen_ || window_ == nullptr) {
        return;
    }
    SDL_Rect area{0, 0, 0, 0};
    const bool known = usableArea(area);
    zoom_ = Zoom::next(zoom_, known ? Zoom::largestFit(width_, height_, area.w, area.h) : 1);
    const int width = width_ * zoom_;
    const int height = height_ * zoom_;
    if (known) {
        // A window grown past the edge of the display moves back onto it.
        int x = 0;
        int y = 0;
        SDL_GetWindowPosition(window_, &x, &y);
        x = std::max(area.x, std::min(x, area.x + area.w - width));
        y = std::max(area.y, std::min(y, area.y + area.h - height));
        SDL_SetWindowPosition(window_, x, y);
    }
    SDL_SetWindowSize(window_, width, height);
}

void SdlView::toggleFullscreen() {
    if (window_ == nullptr) {
        return;
    }
    const bool wanted = !fullscreen_;
    if (SDL_SetWindowFullscreen(window_, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0) {
        fullscreen_ = wanted;
    }
    if (!fullscreen_) {
        // Back in a window: the size of the zoom it had, whatever the system restored.
        SDL_SetWindowSize(window_, width_ * zoom_, height_ * zoom_);
    }
}

void SdlView::render(SDL_Texture* picture) {
    if (fullscreen_) {
        int outputWidth = 0;
        int outputHeight = 0;
        SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
        layout_ = Zoom::centred(width_, height_, outputWidth, outputHeight);
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    } else {
        layout_ = Zoom::topLeft(zoom_);
        SDL_SetRenderDrawColor(renderer_, 255, 255, 255, 255);
    }
    SDL_RenderClear(renderer_);
    const SDL_Rect destination{layout_.left, layout_.top, width_ * layout_.scale,
                               height_ * layout_.scale};
    SDL_RenderCopy(renderer_, picture, nullptr, &destination);
    SDL_RenderPresent(renderer_);
}

bool SdlView::usableArea(SDL_Rect& area) const {
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &area) != 0) {
        return false;
    }
    // The frame the window manager draws around the window takes room too; without a window
    // manager, or when SDL cannot tell, there is none.
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0) {
        top = left = bottom = right = 0;
    }
    area.x += left;
    area.y += top;
    area.w -= left + right;
    area.h -= top + bottom;
    return true;
}
