#pragma once

#include "platform/Dialogs.h"

// Message boxes of the browser build. The one the game raises (a data file that does not
// load) becomes the page's report in place of the game; the page cannot block a frame loop,
// so the About box is the shell's own (WebPage::showAbout).
class WebDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;
};
