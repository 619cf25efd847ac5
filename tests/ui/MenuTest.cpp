#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "data/DataManager.h"
#include "data/SpecialArt.h"
#include "ui/BattleCommandMenu.h"
#include "ui/CharacterSelectMenu.h"
#include "ui/InitMenu.h"
#include "ui/MenuDriver.h"
#include "ui/YesNoMenu.h"

using uitest::FakeDefinition;

namespace {

std::vector<std::pair<std::string, int>> entries(const MenuItem& item) {
    std::vector<std::pair<std::string, int>> result;
    for (const MenuItem* child : item.children) {
        result.push_back({child->text, child->id});
    }
    return result;
}

using Entries = std::vector<std::pair<std::string, int>>;

MenuButtons press(bool MenuButtons::*button) {
    MenuButtons buttons;
    buttons.*button = true;
    return buttons;
}

TEST(Menus, HoldTheirEntriesWithTheirIds) {
    InitMenu init;
    YesNoMenu yesNo;
    BattleCommandMenu battle;
    EXPECT_EQ(entries(init), (Entries{{"しょうぶする", 0}, {"にげる", 1}}));
    EXPECT_EQ(entries(yesNo), (Entries{{"はい", 0}, {"いいえ", 1}}));
    EXPECT_EQ(entries(battle), (Entries{{"たたかう", 1}, {"ひっさつわざ", 0}, {"にげる", 2}}));
    EXPECT_EQ(battle.character, nullptr);
    EXPECT_EQ(init.currentLevel().menu, &init);
    EXPECT_EQ(init.currentLevel().index, 0);
}

TEST(MenuManager, CursorStopsAtFirstAndLastEntry) {
    BattleCommandMenu menu;
    menu.moveCursor(-1);
    EXPECT_EQ(menu.currentLevel().index, 0);
    menu.moveCursor(1);
    menu.moveCursor(4);
    EXPECT_EQ(menu.currentLevel().index, 2);
    menu.moveCursor(-100);
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kAttack);
}

TEST(MenuManager, EnterAndBackRememberEachLevelsCursor) {
    SpecialArt fire;
    fire.name = "fire";
    SpecialArt ice;
    ice.name = "ice";
    FakeDefinition definition("hero", 10, 10);
    definition.arts = {&fire, &ice};
    CharacterState hero(&definition);

    BattleCommandMenu menu;
    menu.setCharacter(&hero);
    menu.reset();
    EXPECT_FALSE(menu.enter());  // "たたかう" has no submenu
    menu.moveCursor(1);
    ASSERT_TRUE(menu.enter());
    EXPECT_EQ(menu.levels.size(), 2u);
    EXPECT_EQ(entries(*menu.currentLevel().menu), (Entries{{"fire", 3}, {"ice", 4}}));
    EXPECT_EQ(menu.currentLevel().index, 0);
    menu.moveCursor(1);
    EXPECT_EQ(menu.currentItem()->id, 4);
    EXPECT_FALSE(menu.enter());

    ASSERT_TRUE(menu.back());
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kSpecialArts);
    EXPECT_FALSE(menu.back());
    EXPECT_EQ(menu.levels.size(), 1u);
    // Entering again starts the submenu at its first entry.
    ASSERT_TRUE(menu.enter());
    EXPECT_EQ(menu.currentLevel().index, 0);
    menu.reset();
    EXPECT_EQ(menu.levels.size(), 1u);
    EXPECT_EQ(menu.currentLevel().index, 0);
}

TEST(MenuManager, EmptiedLevelStackActsAsRootLevel) {
    InitMenu menu;
    menu.levels.clear();
    menu.moveCursor(1);
    EXPECT_FALSE(menu.enter());
    EXPECT_FALSE(menu.back());
    EXPECT_EQ(menu.currentLevel().menu, &menu);
    EXPECT_EQ(menu.currentItem()->id, InitMenu::kFight);
    menu.reset();
    EXPECT_EQ(menu.levels.size(), 1u);
}

TEST(MenuManager, DisabledEntriesAndLevels) {
    YesNoMenu menu;
    MenuItem sub("sub", 9);
    MenuItem& yes = *menu.children[0];
    yes.children.push_back(&sub);
    yes.enabled = false;
    EXPECT_FALSE(menu.enter());
    yes.enabled = true;
    ASSERT_TRUE(menu.enter());
    EXPECT_EQ(menu.currentItem(), &sub);
    yes.enabled = false;  // a choice needs its level's own entry enabled
    EXPECT_EQ(menu.currentItem(), nullptr);
}

TEST(BattleCommandMenu, CharacterWithoutArtsOrNoCharacter) {
    FakeDefinition definition("hero", 10, 10);
    CharacterState hero(&definition);
    BattleCommandMenu menu;
    menu.setCharacter(&hero);
    menu.reset();
    menu.moveCursor(1);
    EXPECT_FALSE(menu.enter());
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kSpecialArts);

    SpecialArt art;
    definition.arts = {&art};
    menu.setCharacter(&hero);
    EXPECT_EQ(menu.children[1]->children.size(), 1u);
    menu.setCharacter(nullptr);
    EXPECT_EQ(menu.character, nullptr);
    EXPECT_TRUE(menu.children[1]->children.empty());
}

TEST(CharacterSelectMenu, FillsFromRosterAndKeepsCursor) {
    DataManager registry;
    registry.setQuiet(true);
    registry.setLoadImages(false);
    ASSERT_TRUE(registry.loadFromMemory(
        "SpecialArt normalAttack\nname hit\n"
        "Player\nname Aki\nmaxHP 10\nPlayer\nname Ben\nmaxHP 10\nPlayer\nname Cid\nmaxHP 10\n"
        "Me\nmaxHP 1\n"))
        << registry.lastError().code << " line " << registry.lastError().line;
    CharacterSelectMenu menu;
    menu.fillFromRoster(&registry);
    EXPECT_EQ(entries(menu), (Entries{{"Aki", 0}, {"Ben", 1}, {"Cid", 2}}));
    menu.moveCursor(2);
    menu.fillFromRoster(&registry);
    EXPECT_EQ(menu.currentItem()->text, "Cid");
    EXPECT_EQ(menu.children.size(), 3u);
}

TEST(CharacterSelectMenu, EmptyRosterLeavesNoChoice) {
    CharacterSelectMenu menu;
    menu.fillFromRoster(nullptr);
    EXPECT_TRUE(menu.children.empty());
    EXPECT_EQ(menu.currentItem(), nullptr);
    EXPECT_FALSE(menu.enter());
    menu.moveCursor(-1);
    menu.moveCursor(1);
    // Heroes arriving later find the cursor on the first of them.
    MenuItem hero("hero", 0);
    menu.children.push_back(&hero);
    EXPECT_EQ(menu.currentItem(), &hero);
}

TEST(DriveMenu, FollowsTheButtonProtocolOnAGrid) {
    BattleCommandMenu menu;  // shown as two columns
    EXPECT_EQ(driveMenuButtons(menu, MenuButtons{}, 2), MenuAction::None);
    driveMenuButtons(menu, press(&MenuButtons::right), 2);
    EXPECT_EQ(menu.currentLevel().index, 1);
    driveMenuButtons(menu, press(&MenuButtons::down), 2);  // index 3 stops on the last
    EXPECT_EQ(menu.currentLevel().index, 2);
    driveMenuButtons(menu, press(&MenuButtons::up), 2);
    EXPECT_EQ(menu.currentLevel().index, 0);
    driveMenuButtons(menu, press(&MenuButtons::left), 2);
    EXPECT_EQ(menu.currentLevel().index, 0);

    // The first pressed button in Left, Right, Up, Down, Decide, Cancel order wins.
    MenuButtons several;
    several.decide = true;
    several.down = true;
    EXPECT_EQ(driveMenuButtons(menu, several, 2), MenuAction::None);
    EXPECT_EQ(menu.currentLevel().index, 2);

    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::decide), 2), MenuAction::Decided);
    EXPECT_EQ(menu.currentItem()->id, BattleCommandMenu::kRunAway);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::cancel), 2), MenuAction::Cancelled);
}

TEST(DriveMenu, DecideOpensSubmenuAndCancelClosesIt) {
    SpecialArt art;
    FakeDefinition definition("hero", 10, 10);
    definition.arts = {&art};
    CharacterState hero(&definition);
    BattleCommandMenu menu;
    menu.setCharacter(&hero);
    menu.reset();
    menu.moveCursor(1);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::decide), 2), MenuAction::None);
    EXPECT_EQ(menu.levels.size(), 2u);
    EXPECT_EQ(driveMenuButtons(menu, press(&MenuButtons::cancel), 2), MenuAction::None);
    EXPECT_EQ(menu.levels.size(), 1u);
    EXPECT_EQ(menu.currentLevel().index, 1);

    CharacterSelectMenu empty;
    EXPECT_EQ(driveMenuButtons(empty, press(&MenuButtons::decide), 4), MenuAction::None);
}

}  // namespace
