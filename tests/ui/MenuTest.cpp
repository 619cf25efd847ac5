#include <gtest/gtest.h>

#include "SjisText.h"
#include "UiTestSupport.h"
#include "data/DataManager.h"
#include "data/SpecialArt.h"
#include "ui/BattleCommandMenu.h"
#include "ui/CharacterSelectMenu.h"
#include "ui/InitMenu.h"
#include "ui/MenuDriver.h"
#include "ui/YesNoMenu.h"

using namespace uitest;
using Entries = std::vector<std::pair<std::string, int>>;

namespace {

Entries entries(const MenuItem& item) {
    Entries result;
    for (const MenuItem* child : item.children) {
        result.push_back({child->text, child->id});
    }
    return result;
}

MenuButtons press(bool MenuButtons::*button) {
    MenuButtons buttons;
    buttons.*button = true;
    return buttons;
}

// A hero with two special arts, "fire" and "ice".
struct ArtfulHero : Fighter {
    ArtfulHero() : Fighter("hero", 10, 10, 10, 10) {
        fire.name = "fire";
        ice.name = "ice";
        definition.addSpecialArt(&fire, 50);
        definition.addSpecialArt(&ice, 50);
    }
    SpecialArt fire;
    SpecialArt ice;
};

TEST(Menus, HoldTheirEntriesWithTheirIds) {
    InitMenu init;
    YesNoMenu yesNo;
    BattleCommandMenu battle;
    EXPECT_EQ(entries(init), (Entries{{sjis("しょうぶする"), 0}, {sjis("にげる"), 1}}));
    EXPECT_EQ(entries(yesNo), (Entries{{sjis("はい"), 0}, {sjis("いいえ"), 1}}));
    EXPECT_EQ(entries(battle),
              (Entries{{sjis("たたかう"), 1}, {sjis("ひっさつわざ"), 0}, {sjis("にげる"), 2}}));
    EXPECT_EQ(battle.character, nullptr);
    EXPECT_EQ(init.currentLevel().menu, &init);
}

TEST(MenuManager, EnterAndBackKeepEachLevelsCursor) {
    ArtfulHero hero;
    BattleCommandMenu menu;
    menu.setCharacter(&hero.state);
    menu.reset();
    EXPECT_FALSE(menu.enter());  // "たたかう" has no submenu
    menu.moveCursor(1);
    ASSERT_TRUE(menu.enter());
    EXPECT_EQ(entries(*menu.currentLevel().menu), (Entries{{"fire", 3}, {"ice", 4}}));
    EXPECT_EQ(menu.currentLevel().index, 0);
    menu.moveCursor(1);
    EXPECT_EQ(menu.currentItem()->id, 4);
    EXPECT_FALSE(menu.enter());
    ASSERT_TRUE(menu.back());
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kSpecialArts);
    EXPECT_FALSE(menu.back());
    EXPECT_EQ(menu.levels.size(), 1u);
    ASSERT_TRUE(menu.enter());  // opened again at its first entry
    EXPECT_EQ(menu.currentLevel().index, 0);
    menu.reset();
    EXPECT_EQ(menu.levels.size(), 1u);
    EXPECT_EQ(menu.currentLevel().index, 0);

    menu.levels.clear();  // an emptied stack acts as the root level
    menu.moveCursor(1);
    EXPECT_FALSE(menu.back());
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kAttack);
}

TEST(BattleCommandMenu, RebuildsArtsForEachCharacter) {
    ArtfulHero hero;
    Fighter plain("plain", 1, 1, 1, 1);
    BattleCommandMenu menu;
    menu.setCharacter(&hero.state);
    menu.setCharacter(&plain.state);
    menu.reset();
    menu.moveCursor(1);
    EXPECT_FALSE(menu.enter());
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kSpecialArts);
    menu.setCharacter(&hero.state);
    EXPECT_EQ(menu.children[1]->children.size(), 2u);
    menu.setCharacter(nullptr);
    EXPECT_EQ(menu.character, nullptr);
    EXPECT_TRUE(menu.children[1]->children.empty());
}

TEST(CharacterSelectMenu, FillsFromRosterAndKeepsCursor) {
    DataManager registry;
    registry.setQuiet(true);
    ASSERT_TRUE(registry.loadFromMemory(
        "SpecialArt normalAttack\nPlayer\nname Aki\nPlayer\nname Ben\nPlayer\nname Cid\nMe\n"));
    CharacterSelectMenu menu;
    menu.fillFromRoster(&registry);
    EXPECT_EQ(entries(menu), (Entries{{"Aki", 0}, {"Ben", 1}, {"Cid", 2}}));
    menu.moveCursor(2);
    menu.fillFromRoster(&registry);
    EXPECT_EQ(menu.currentItem()->text, "Cid");
    EXPECT_EQ(menu.children.size(), 3u);

    // An empty roster leaves no choice; the cursor stays on 0 for heroes arriving later.
    menu.fillFromRoster(nullptr);
    EXPECT_EQ(menu.currentItem(), nullptr);
    EXPECT_FALSE(menu.enter());
    menu.moveCursor(-1);
    menu.moveCursor(1);
    menu.fillFromRoster(&registry);
    ASSERT_NE(menu.currentItem(), nullptr);
    EXPECT_EQ(menu.currentItem()->text, "Aki");
}

TEST(DriveMenu, FollowsTheButtonProtocolOnAGrid) {
    ArtfulHero hero;
    BattleCommandMenu menu;  // shown as two columns
    menu.setCharacter(&hero.state);
    EXPECT_EQ(driveMenuButtons(menu, MenuButtons{}, 2), MenuAction::None);
    driveMenuButtons(menu, press(&MenuButtons::right), 2);
    driveMenuButtons(menu, press(&MenuButtons::down), 2);  // index 3 stops on the last
    EXPECT_EQ(menu.currentLevel().index, 2);
    driveMenuButtons(menu, press(&MenuButtons::up), 2);
    driveMenuButtons(menu, press(&MenuButtons::left), 2);
    EXPECT_EQ(menu.currentLevel().index, 0);

    MenuButtons downAndDecide;  // Down comes before Decide
    downAndDecide.down = downAndDecide.decide = true;
    EXPECT_EQ(driveMenuButtons(menu, downAndDecide, 2), MenuAction::None);
    EXPECT_EQ(menu.currentLevel().index, 2);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::decide), 2), MenuAction::Decided);
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kRunAway);

    menu.moveCursor(-1);  // decide opens the arts, cancel closes them again
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::decide), 2), MenuAction::None);
    EXPECT_EQ(menu.levels.size(), 2u);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::cancel), 2), MenuAction::None);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::cancel), 2), MenuAction::Cancelled);

    CharacterSelectMenu empty;
    EXPECT_EQ(driveMenuButtons(empty, press(&MenuButtons::decide), 4), MenuAction::None);
}

}  // namespace
