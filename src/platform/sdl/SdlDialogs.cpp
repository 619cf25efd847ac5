#include "platform/sdl/SdlDialogs.h"

#include <iostream>

#include "data/TextEncoding.h"
#include "text/Catalogue.h"

std::string SdlDialogs::titleFor(const std::string& caption) {
    return caption.empty() ? text(TextId::ErrorCaption) : caption;
}

void SdlDialogs::messageBox(const std::string& text, const std::string& caption) {
    const std::string utf8Text = sjisToUtf8(text);
    const std::string utf8Caption = sjisToUtf8(titleFor(caption));
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, utf8Caption.c_str(), utf8Text.c_str(),
                                 parent_) != 0) {
        std::cerr << utf8Caption << ": " << utf8Text << '\n';
    }
}
