#include "ui/YesNoMenu.h"

YesNoMenu::YesNoMenu() : yes_("はい", kYes), no_("いいえ", kNo) {
    children = {&yes_, &no_};
}
