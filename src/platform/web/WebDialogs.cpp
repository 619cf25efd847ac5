#include "platform/web/WebDialogs.h"

#include <iostream>
#include <utility>

#include "data/TextEncoding.h"
#include "platform/web/WebPage.h"

void WebDialogs::messageBox(const std::string& text, const std::string& caption) {
    if (playing_) {
        kept_ = text;
        return;
    }
    const std::string utf8Text = sjisToUtf8(text);
    const std::string utf8Caption = sjisToUtf8(caption);
    // The browser's console keeps it too, for a player who reports the problem.
    std::cerr << utf8Caption << (utf8Caption.empty() ? "" : ": ") << utf8Text << '\n';
    WebPage::showReport(utf8Caption, utf8Text);
}

std::string WebDialogs::takeKept() {
    return std::exchange(kept_, std::string());
}
