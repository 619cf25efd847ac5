#include "platform/headless/StderrDialogs.h"

#include <iostream>

#include "data/TextEncoding.h"

void StderrDialogs::messageBox(const std::string& text, const std::string& caption) {
    if (!caption.empty()) {
        std::cerr << sjisToUtf8(caption) << ": ";
    }
    std::cerr << sjisToUtf8(text) << '\n';
}
