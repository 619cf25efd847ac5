#pragma once

#include <SDL2/SDL.h>

class InputState;
class MenuStrip;
class SdlGamepad;
class SdlKeySource;

// The events the desktop window and the browser's canvas handle alike: focus, the menu strip's
// keys and clicks, pads coming and going, the mouse over the picture and the wheel. What is a
// shell's own (quitting, zoom and fullscreen keys, repaints) stays in the shell, which hears
// through Host when the picture needs showing and which menu command was chosen.
class SdlEventHandler {
public:
    class Host {
    public:
        // The menu strip changed: show the picture.
        virtual void present() = 0;
        // A menu command was chosen (MenuStrip::kQuit, kAbout or kNone).
        virtual void runCommand(int command) = 0;
        // Window pixels to screen pixels at scale 1 (menu strip at the top, picture below).
        virtual SDL_Point toScreen(int windowX, int windowY) const = 0;

    protected:
        ~Host() = default;
    };

    SdlEventHandler(Host& host, SdlKeySource& keys, SdlGamepad& gamepad, MenuStrip& menu)
        : host_(host), keys_(keys), gamepad_(gamepad), menu_(menu) {}

    // One event. game receives the mouse's position over the picture and the wheel's notches;
    // null while a replay plays in place of the live input.
    void handle(const SDL_Event& event, InputState* game);

private:
    void handleKey(const SDL_KeyboardEvent& key);
    void handleClick(const SDL_MouseButtonEvent& button);

    Host& host_;
    SdlKeySource& keys_;
    SdlGamepad& gamepad_;
    MenuStrip& menu_;
};
