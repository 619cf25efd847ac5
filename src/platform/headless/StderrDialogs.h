#pragma once

#include "platform/Dialogs.h"

// Message boxes of runs without a window: the caption and text go to standard error.
class StderrDialogs : public Dialogs {
public:
    void messageBox(const std::string& text, const std::string& caption) override;
};
