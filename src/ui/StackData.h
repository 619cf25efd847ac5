#pragma once

class MenuItem;

// One open menu level: the entry whose children are shown, and the cursor among them.
struct StackData {
    MenuItem* menu = nullptr;
    int index = 0;
};
