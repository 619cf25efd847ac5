#pragma once

#include "ui/MenuManager.h"

// A confirmation: "はい" (id 0), "いいえ" (id 1).
class YesNoMenu : public MenuManager {
public:
    static constexpr int kYes = 0;
    static constexpr int kNo = 1;

    YesNoMenu();

private:
    MenuItem yes_;
    MenuItem no_;
};
