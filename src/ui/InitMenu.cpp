#include "ui/InitMenu.h"

InitMenu::InitMenu() : fight_("しょうぶする", kFight), runAway_("にげる", kRunAway) {
    children = {&fight_, &runAway_};
}
