#pragma once

#include <string>

#include "platform/Dialogs.h"

// Message boxes of the browser build. The one the game raises at start (a data file that does
// not load) becomes the page's report in place of the game. Once the game plays, a box (a
// reload that failed) is kept for the shell, which hands it to the page's editor while the
// game plays on. The page cannot block a frame loop, so the About box is the shell's own
// (WebPage::showAbout).
class WebDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;
    // From now on boxes are kept, not shown.
    void setPlaying() { playing_ = true; }
    // The text of the last box kept since the last call (Shift-JIS), or empty.
    std::string takeKept();

private:
    bool playing_ = false;
    std::string kept_;
};
