#include "ui/InitMenu.h"

#include "text/Catalogue.h"

InitMenu::InitMenu()
    : fight_(::text(TextId::MenuFight), kFight), runAway_(::text(TextId::MenuRunAway), kRunAway) {
    children = {&fight_, &runAway_};
}
