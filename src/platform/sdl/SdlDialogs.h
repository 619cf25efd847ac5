#pragma once

#include <SDL2/SDL.h>

#include "platform/Dialogs.h"

// Message boxes through SDL, owned by the game window once it exists. When no box can be shown
// (no display) the message goes to standard error instead, so it is never lost.
class SdlDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;
    void setParent(SDL_Window* window) { parent_ = window; }
    // The title a box shows (Shift-JIS): the caption, or "エラー" for none, as a Windows box
    // without a caption of its own is titled.
    static std::string titleFor(const std::string& caption);

private:
    SDL_Window* parent_ = nullptr;
};
