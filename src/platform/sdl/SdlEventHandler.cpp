#include "platform/sdl/SdlEventHandler.h"

#include "app/InputState.h"
#include "app/MenuStrip.h"
#include "platform/sdl/SdlGamepad.h"
#include "platform/sdl/SdlKeySource.h"

void SdlEventHandler::handle(const SDL_Event& event, InputState* game) {
    switch (event.type) {
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
                keys_.setFocused(false);
                menu_.close();
                host_.present();
            } else if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
                // A button let go while another window had the focus may still read as down;
                // nothing counts until everything has been seen up.
                keys_.setFocused(true);
                keys_.holdUntilReleased();
            }
            break;
        case SDL_KEYDOWN:
            handleKey(event.key);
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
            gamepad_.handleEvent(event);
            break;
        case SDL_MOUSEBUTTONDOWN:
            handleClick(event.button);
            break;
        case SDL_MOUSEMOTION: {
            const SDL_Point at = host_.toScreen(event.motion.x, event.motion.y);
            if (menu_.isOpen()) {
                menu_.hover(at.x, at.y);
                host_.present();
            } else if (at.y >= MenuStrip::kHeight && game != nullptr) {
                // Positions over the strip are not the picture's, as on a native menu bar.
                game->setMousePosition(at.x, at.y - MenuStrip::kHeight);
            }
            break;
        }
        case SDL_MOUSEWHEEL:
            if (!menu_.isOpen() && game != nullptr) {
                const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y
                                                                                    : event.wheel.y;
                if (notches != 0) {
                    game->wheel(notches);
                }
            }
            break;
        default:
            break;
    }
}

void SdlEventHandler::handleKey(const SDL_KeyboardEvent& key) {
    const SDL_Keycode sym = key.keysym.sym;
    const bool wasOpen = menu_.isOpen();
    const bool arrow = sym == SDLK_LEFT || sym == SDLK_RIGHT || sym == SDLK_UP || sym == SDLK_DOWN;
    if (key.repeat != 0 && !(wasOpen && arrow)) {
        // A key held since before the strip opened (an X or a Return still repeating, even
        // across a modal box) must not toggle it or choose a command such as Quit: only a
        // fresh press does. Holding an arrow walks the open menu, as in any menu.
        return;
    }
    int command = MenuStrip::kNone;
    if (sym == SDLK_F10) {
        if (wasOpen) {
            menu_.close();
        } else {
            menu_.open(0);
        }
    } else if ((key.keysym.mod & KMOD_ALT) != 0 && sym >= SDLK_a && sym <= SDLK_z) {
        menu_.openByLetter(static_cast<char>(sym));
    } else if (wasOpen) {
        switch (sym) {
            case SDLK_LEFT:
                command = menu_.pressKey(MenuStrip::Key::Left);
                break;
            case SDLK_RIGHT:
                command = menu_.pressKey(MenuStrip::Key::Right);
                break;
            case SDLK_UP:
                command = menu_.pressKey(MenuStrip::Key::Up);
                break;
            case SDLK_DOWN:
                command = menu_.pressKey(MenuStrip::Key::Down);
                break;
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                command = menu_.pressKey(MenuStrip::Key::Enter);
                break;
            case SDLK_ESCAPE:
                command = menu_.pressKey(MenuStrip::Key::Escape);
                break;
            default:
                if (sym >= SDLK_a && sym <= SDLK_z) {
                    command = menu_.pressLetter(static_cast<char>(sym));
                }
                break;
        }
    } else {
        return;  // the game reads its keys at poll time
    }
    if (wasOpen && !menu_.isOpen()) {
        keys_.holdUntilReleased();
    }
    host_.present();
    host_.runCommand(command);
}

void SdlEventHandler::handleClick(const SDL_MouseButtonEvent& button) {
    const SDL_Point at = host_.toScreen(button.x, button.y);
    if (!menu_.covers(at.x, at.y)) {
        return;  // a click on the picture: the game reads the button at poll time
    }
    int command = MenuStrip::kNone;
    if (button.button == SDL_BUTTON_LEFT) {
        command = menu_.click(at.x, at.y);
    } else {
        menu_.close();
    }
    keys_.holdUntilReleased();
    host_.present();
    host_.runCommand(command);
}
