#include "ui/YesNoMenu.h"

#include "text/Catalogue.h"

YesNoMenu::YesNoMenu() : yes_(::text(TextId::MenuYes), kYes), no_(::text(TextId::MenuNo), kNo) {
    children = {&yes_, &no_};
}
