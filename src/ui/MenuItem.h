#pragma once

#include <string>
#include <utility>
#include <vector>

// One entry of a menu tree: a label, the id a scene dispatches on, and the entries of its
// submenu. Children are never owned; the concrete menus own their entries.
class MenuItem {
public:
    MenuItem() = default;
    MenuItem(std::string text, int id) : text(std::move(text)), id(id) {}
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    std::string text;
    int id = 0;
    // Only an enabled entry opens as a submenu, and only inside an enabled level can a
    // choice be made.
    bool enabled = true;
    std::vector<MenuItem*> children;
};
