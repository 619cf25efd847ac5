#include "scenes/DamageEvent.h"

#include <memory>
#include <string>

#include "data/CharacterState.h"
#include "data/SpecialArt.h"
#include "scenes/MessageEvent.h"
#include "scenes/SceneGlobals.h"
#include "text/Catalogue.h"
#include "ui/AnimationWindow.h"
#include "ui/TextWindow.h"

namespace {

void show(AnimationWindow& window, Drawable* picture, bool animate) {
    window.animation = picture;
    window.animate = animate;
}

}  // namespace

DamageEvent::DamageEvent(SceneGlobals& globals, CharacterState* actor, CharacterState* target,
                         SpecialArt* art)
    : actor(actor), target(target), art(art), g_(globals) {
    flash.reset();
}

void DamageEvent::step() {
    switch (stage) {
        case 0:
            announce();
            break;
        case 1:
            hit();
            break;
        case 2:
            settle();
            break;
        default:
            break;
    }
    ++stage;
}

void DamageEvent::announce() {
    if (art->animation != nullptr) {
        art->animation->reset();
        // The attacker's picture plays the move.
        if (target == g_.enemy) {
            show(*g_.heroPicture, art->animation, true);
        } else if (target == g_.hero) {
            show(*g_.enemyPicture, art->animation, true);
        }
    }
    const std::string line = formatText(TextId::LineArt, {actor->name(), art->name});
    setText(*g_.messageWindow, line.c_str());
}

void DamageEvent::hit() {
    if (target == g_.enemy) {
        flash.content = g_.enemy->faceImage(0);
        flash.reset();
        show(*g_.enemyPicture, &flash, true);
        show(*g_.heroPicture, g_.hero->faceImage(0), false);
    } else if (target == g_.hero) {
        flash.content = g_.hero->faceImage(0);
        flash.reset();
        show(*g_.heroPicture, &flash, true);
        show(*g_.enemyPicture, g_.enemy->faceImage(0), false);
    } else {
        show(*g_.heroPicture, g_.hero->faceImage(0), false);
        show(*g_.enemyPicture, g_.enemy->faceImage(0), false);
    }
    const int damage = art->apply(*actor, *target);
    const std::string line =
        formatText(TextId::LineDamage, {target->name(), std::to_string(damage)});
    setText(*g_.messageWindow, line.c_str());
}

void DamageEvent::settle() {
    done = true;
    if (target->isAlive()) {
        show(*g_.heroPicture, g_.hero->faceImage(0), false);
        show(*g_.enemyPicture, g_.enemy->faceImage(0), false);
        return;
    }
    const char* lost = target->message(2);
    followUps.push_back(std::make_unique<MessageEvent>(
        g_,
        lost != nullptr ? std::string(lost) : formatText(TextId::LineDefeat, {target->name()})));
    if (const char* won = actor->message(1); won != nullptr) {
        followUps.push_back(std::make_unique<MessageEvent>(g_, won));
    }
    AnimationWindow& picture = target == g_.hero ? *g_.heroPicture : *g_.enemyPicture;
    show(picture, target->faceImage(1), false);
}
