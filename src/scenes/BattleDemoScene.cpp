#include "scenes/BattleDemoScene.h"

#include <memory>
#include <utility>

#include "app/InputState.h"
#include "data/CharacterState.h"
#include "data/Random.h"
#include "data/SpecialArt.h"
#include "scenes/DamageEvent.h"
#include "scenes/SceneGlobals.h"
#include "ui/AnimationWindow.h"
#include "ui/BackgroundWindow.h"
#include "ui/OptionWindow.h"
#include "ui/StatusWindow.h"

void BattleDemoScene::begin() {
    g_.messageWindow->visible = true;
    g_.statusWindow->visible = true;
    g_.heroPicture->visible = true;
    g_.optionWindow->visible = false;
    g_.mapWindow->visible = false;
    g_.messageWindow->linesPerPage = 2;
    setText(*g_.messageWindow, "");
    g_.statusWindow->character = g_.hero;

    g_.enemyArt = g_.enemy->chooseSpecialArt();
    const Command heroCommand{g_.hero, g_.enemy, g_.heroArt};
    const Command enemyCommand{g_.enemy, g_.hero, g_.enemyArt};
    // The coin toss: an even draw lets the hero act first.
    if (Random::next() % 2 == 0) {
        g_.commandQueue.push(heroCommand);
        g_.commandQueue.push(enemyCommand);
    } else {
        g_.commandQueue.push(enemyCommand);
        g_.commandQueue.push(heroCommand);
    }
}

void BattleDemoScene::update() {
    auto& events = g_.eventQueue;
    if (g_.commandQueue.empty() && events.empty()) {
        finish(g_.hero->isAlive() && g_.enemy->isAlive() ? 1 : 0);
        return;
    }
    // A new action shows its first line in the frame its command is taken.
    bool stepNow = false;
    if (events.empty()) {
        const Command command = g_.commandQueue.front();
        g_.commandQueue.pop();
        // A fighter who is down or cannot pay loses the action without a word.
        if (command.art != nullptr && command.actor->isAlive() &&
            command.art->canUse(*command.actor)) {
            events.push_back(
                std::make_unique<DamageEvent>(g_, command.actor, command.target, command.art));
        }
        stepNow = true;
    }
    if (g_.input->isPressed(ButtonDecide)) {
        stepNow = true;
    }
    if (events.empty()) {
        return;
    }
    if (stepNow) {
        events.front()->step();
    }
    if (events.front()->isDone()) {
        std::unique_ptr<Event> finishedEvent = std::move(events.front());
        events.pop_front();
        for (auto& followUp : finishedEvent->takeFollowUps()) {
            events.push_back(std::move(followUp));
        }
        if (!events.empty()) {
            events.front()->step();
        }
    }
}
