#include "ui/MenuManager.h"

namespace {

// A menu tree is a handful of levels deep; reserving avoids allocation while it is driven.
constexpr std::size_t kUsualDepth = 4;

MenuItem* childAt(const MenuItem& menu, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= menu.children.size()) {
        return nullptr;
    }
    return menu.children[static_cast<std::size_t>(index)];
}

}  // namespace

MenuManager::MenuManager() {
    levels.reserve(kUsualDepth);
    reset();
}

void MenuManager::reset() {
    levels.clear();
    levels.push_back({this, 0});
}

bool MenuManager::enter() {
    if (levels.empty()) {
        return false;
    }
    const StackData level = levels.back();
    MenuItem* entry = childAt(*level.menu, level.index);
    if (entry == nullptr || !entry->enabled || entry->children.empty()) {
        return false;
    }
    levels.push_back({entry, 0});
    return true;
}

bool MenuManager::back() {
    if (levels.size() <= 1) {
        return false;
    }
    levels.pop_back();
    return true;
}

StackData MenuManager::currentLevel() const {
    if (levels.empty()) {
        return {const_cast<MenuManager*>(this), 0};
    }
    return levels.back();
}

void MenuManager::moveCursor(int delta) {
    if (levels.empty()) {
        return;
    }
    StackData& level = levels.back();
    const int count = static_cast<int>(level.menu->children.size());
    const long long moved = static_cast<long long>(level.index) + delta;
    // On a level without entries the cursor stays at 0, so that entries added later (a
    // refilled roster) find it on the first one rather than before it.
    if (moved < 0 || count == 0) {
        level.index = 0;
    } else if (moved >= count) {
        level.index = count - 1;
    } else {
        level.index = static_cast<int>(moved);
    }
}

MenuItem* MenuManager::currentItem() const {
    const StackData level = currentLevel();
    if (level.menu->children.empty() || !level.menu->enabled) {
        return nullptr;
    }
    return childAt(*level.menu, level.index);
}
