#include "autoplay/AutoPlayer.h"

#include <string>
#include <vector>

#include "app/Game.h"
#include "app/RecordingKeySource.h"
#include "data/Animation.h"
#include "data/CharacterState.h"
#include "data/SpecialArt.h"
#include "platform/headless/StderrDialogs.h"
#include "scenes/SceneGlobals.h"
#include "scenes/SceneSet.h"
#include "text/Catalogue.h"
#include "ui/BattleCommandMenu.h"
#include "ui/MenuManager.h"

namespace {

// Frames to wait into an art's animation, and into the marker's walk, before a picture.
constexpr int kArtFrames = 12;
constexpr int kWalkFrames = 14;
// The marker walks a track a few hundred pixels long; this is far more than any walk takes.
constexpr int kMaxWalkFrames = 3000;
// Ids of the menus' entries the player picks.
constexpr int kFight = 0;
constexpr int kYes = 0;
constexpr int kArtList = 0;

template <typename SceneType>
bool is(const Scene* scene) {
    return dynamic_cast<const SceneType*>(scene) != nullptr;
}

// The number in a battle-ground heading (the catalogue's, "だい 3 けっせんじょう"), or 0 for
// other lines.
int headingNumber(const std::string& line) {
    const std::string& heading = text(TextId::BattleGroundHeading);
    const std::size_t place = heading.find("%1$s");
    if (place == std::string::npos) {
        return 0;
    }
    const std::string before = heading.substr(0, place);
    const std::string after = heading.substr(place + 4);
    if (line.size() <= before.size() + after.size() || line.rfind(before, 0) != 0 ||
        line.compare(line.size() - after.size(), after.size(), after) != 0) {
        return 0;
    }
    const std::string digits =
        line.substr(before.size(), line.size() - before.size() - after.size());
    if (digits.empty() || digits.size() > 6 ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::stoi(digits);
}

}  // namespace

AutoPlayer::AutoPlayer(Strategy strategy, int normalStrength, TextRasterizer* text)
    : strategy_(strategy), normalStrength_(normalStrength), text_(text) {}

AutoPlayer::~AutoPlayer() = default;

GameRecord AutoPlayer::play(std::uint32_t seed) {
    record_ = GameRecord{};
    record_.seed = seed;
    keys_.down.clear();
    chosenArt_ = nullptr;
    pickedHero_ = -1;
    fighter_ = -1;
    foe_ = nullptr;

    StderrDialogs dialogs;
    game_ = std::make_unique<Game>(text_);
    if (!game_->start(&dialogs, nullptr)) {
        record_.error = "script.dat did not load";
        game_.reset();
        return record_;
    }
    game_->attachWindow(seed);

    while (!record_.won && !record_.lost && record_.error.empty()) {
        if (record_.frames >= frameLimit_) {
            record_.error = "no ending after " + std::to_string(frameLimit_) + " frames";
            break;
        }
        const Scene* scene = screen().currentScene;
        noteBattle(scene);
        if (is<StartScene>(scene)) {
            onStart();
        } else if (is<StartSelectScene>(scene) || is<CharacterConfirmScene>(scene)) {
            // "しょうぶする" and "はい" are both the first entry, id 0.
            static_assert(kFight == kYes);
            if (screen().optionWindow.menu == nullptr ||
                !choose(*screen().optionWindow.menu, kYes)) {
                record_.error = "a menu without its first entry";
            }
        } else if (is<CharacterSelectScene>(scene)) {
            onHeroSelection();
        } else if (is<BattleStartScene>(scene)) {
            press(ButtonDecide);
        } else if (is<BattleCommandScene>(scene)) {
            onCommand();
        } else if (is<BattleDemoScene>(scene)) {
            onBattleTurn();
        } else if (is<WinScene>(scene)) {
            onMapWalk();
        } else if (is<EndScene>(scene)) {
            onEnding();
            record_.won = true;
        } else if (is<GameOverScene>(scene)) {
            record_.lost = true;
        } else {
            record_.error = "no scene is running";
        }
    }
    noteBattle(nullptr);
    // A battle ground is cleared once, by the battle that brought its enemy down. A last hero
    // who falls together with the enemy clears that ground and loses the game at the next
    // one, whose heading never shows.
    record_.cleared = 0;
    for (const GameRecord::HeroBattles& hero : record_.heroes) {
        record_.cleared += hero.won;
    }
    if (record_.lost) {
        record_.reached = std::max(record_.reached, record_.cleared + 1);
    }
    game_->stop();
    game_.reset();
    return record_;
}

void AutoPlayer::noteBattle(const Scene* scene) {
    const bool inBattle =
        is<BattleStartScene>(scene) || is<BattleCommandScene>(scene) || is<BattleDemoScene>(scene);
    if (inBattle && fighter_ < 0 && pickedHero_ >= 0) {
        // The battle the hero just picked begins; its enemy is the one to watch.
        fighter_ = pickedHero_;
        foe_ = game_->sceneGlobals().enemy;
    } else if (!inBattle && fighter_ >= 0) {
        // Both may fall in one turn: the battle ground counts as won when the enemy is down.
        const auto index = static_cast<std::size_t>(fighter_);
        if (record_.heroes.size() <= index) {
            record_.heroes.resize(index + 1);
        }
        ++record_.heroes[index].fought;
        record_.heroes[index].won += foe_ != nullptr && !foe_->isAlive() ? 1 : 0;
        fighter_ = -1;
        pickedHero_ = -1;
        foe_ = nullptr;
    }
}

const MainScene& AutoPlayer::screen() const {
    return game_->mainScene();
}

void AutoPlayer::frame() {
    if (recorder_ != nullptr) {
        recorder_->beginFrame(keys_, game_->input());
        game_->frame(*recorder_);
    } else {
        game_->frame(keys_);
    }
    ++record_.frames;
}

void AutoPlayer::press(Button button) {
    const int key = game_->input().keyCode[button];
    keys_.down.insert(key);
    frame();
    keys_.down.erase(key);
    frame();
}

void AutoPlayer::idle(int frames) {
    for (int i = 0; i < frames; ++i) {
        frame();
    }
}

void AutoPlayer::shoot(Camera::Shot shot) {
    if (camera_ != nullptr && camera_->wants(shot, record_.reached)) {
        camera_->shoot(shot, game_->framebuffer());
    }
}

bool AutoPlayer::choose(const MenuManager& menu, int id) {
    const MenuItem* level = menu.currentLevel().menu;
    if (level == nullptr) {
        return false;
    }
    int target = -1;
    for (std::size_t i = 0; i < level->children.size(); ++i) {
        if (level->children[i]->id == id) {
            target = static_cast<int>(i);
            break;
        }
    }
    if (target < 0) {
        return false;
    }
    // The cursor stops at both ends, so this many presses always get there.
    for (std::size_t guard = level->children.size(); guard > 0; --guard) {
        const int at = menu.currentLevel().index;
        if (at == target) {
            break;
        }
        press(at < target ? ButtonRight : ButtonLeft);
    }
    press(ButtonDecide);
    return true;
}

void AutoPlayer::onStart() {
    const TextWindow& message = screen().messageWindow;
    if (message.firstLine == 0 && !message.lines.empty()) {
        record_.reached = std::max(record_.reached, headingNumber(message.lines.front()));
    } else if (message.firstLine == 1 && record_.reached == 1) {
        shoot(Camera::Shot::Introduction);
    }
    press(ButtonDecide);
}

void AutoPlayer::onHeroSelection() {
    // The status window follows the cursor from the scene's first update on.
    idle(1);
    const MenuManager* menu = screen().optionWindow.menu;
    const MenuItem* level = menu != nullptr ? menu->currentLevel().menu : nullptr;
    if (level == nullptr || level->children.empty()) {
        record_.error = "an empty roster";
        return;
    }
    // Walk the cursor along the list and read every hero's status as it comes up.
    const std::size_t count = level->children.size();
    for (std::size_t guard = count; guard > 0 && menu->currentLevel().index > 0; --guard) {
        press(ButtonLeft);
    }
    std::vector<const CharacterState*> roster(count, nullptr);
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            press(ButtonRight);
        }
        const MenuItem* item = menu->currentItem();
        if (item != nullptr && item->id >= 0 && static_cast<std::size_t>(item->id) < count) {
            roster[static_cast<std::size_t>(item->id)] = screen().statusWindow.character;
        }
    }
    const int pick = strategy_.chooseHero(roster);
    if (record_.heroes.size() < count) {
        record_.heroes.resize(count);
    }
    pickedHero_ = pick;
    // Show the chosen hero before deciding, as a player would see it.
    for (std::size_t guard = count; guard > 0; --guard) {
        const int at = menu->currentLevel().index;
        if (at == pick) {
            break;
        }
        press(at < pick ? ButtonRight : ButtonLeft);
    }
    shoot(Camera::Shot::HeroSelection);
    press(ButtonDecide);
}

void AutoPlayer::onCommand() {
    const CharacterState* hero = screen().statusWindow.character;
    const MenuManager* menu = screen().optionWindow.menu;
    if (hero == nullptr || menu == nullptr) {
        record_.error = "a battle without a hero or a menu";
        return;
    }
    // Left inside the art list (a move that could not be paid): back to the commands.
    if (menu->levels.size() > 1) {
        press(ButtonCancel);
        return;
    }
    ++record_.turns;
    const Strategy::Choice choice = strategy_.chooseMove(*hero, normalStrength_);
    if (choice.normalAttack) {
        chosenArt_ = nullptr;
        choose(*menu, BattleCommandMenu::kAttack);
        return;
    }
    chosenArt_ = hero->specialArt(choice.artIndex);
    if (!choose(*menu, kArtList) ||
        !choose(*menu, BattleCommandMenu::kFirstArt + choice.artIndex)) {
        record_.error = "the art list lacks a move of the hero";
    }
}

void AutoPlayer::onBattleTurn() {
    const AnimationWindow& picture = screen().heroPicture;
    if (chosenArt_ != nullptr && chosenArt_->animation != nullptr && picture.animate &&
        picture.animation == static_cast<const Drawable*>(chosenArt_->animation) &&
        camera_ != nullptr && camera_->wants(Camera::Shot::ArtAnimation, record_.reached)) {
        idle(kArtFrames);
        shoot(Camera::Shot::ArtAnimation);
    }
    press(ButtonDecide);
}

void AutoPlayer::onMapWalk() {
    if (camera_ == nullptr) {
        press(ButtonDecide);
        return;
    }
    // With a camera the marker is left to walk until the scene ends by itself, so later
    // pictures show it where it belongs.
    for (int walked = 1; walked <= kMaxWalkFrames && is<WinScene>(screen().currentScene);
         ++walked) {
        frame();
        if (walked == kWalkFrames) {
            shoot(Camera::Shot::MapWalk);
        }
    }
}

void AutoPlayer::onEnding() {
    // Let the marker reach the goal, then two presses (one line a page) bring up the last line.
    if (camera_ != nullptr) {
        for (int walked = 0; walked < kMaxWalkFrames && !screen().mapWindow.arrived(); ++walked) {
            frame();
        }
    }
    press(ButtonDecide);
    press(ButtonDecide);
    shoot(Camera::Shot::Ending);
}
