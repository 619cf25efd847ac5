// Fuzz target: the data file reader over bytes in memory, then a few frames of every
// animation the file defined, drawn onto a small picture, and every move the file defined
// used by the first hero on the first enemy and back, as a battle would.
#include <string_view>

#include "data/Animation.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "fuzz/FuzzTarget.h"
#include "gfx/Image.h"

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    DataManager registry;
    registry.setQuiet(true);
    // Image files are the image targets' business; here a src line only names a file.
    registry.setLoadImages(false);
    const bool loaded =
        registry.loadFromMemory(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!loaded) {
        return false;
    }
    Image target;
    target.resize(32, 32);
    for (const auto& [name, entry] : registry.animationTable()) {
        if (entry.animation == nullptr) {
            continue;
        }
        entry.animation->reset();
        for (int frame = 0; frame < 8 && !entry.animation->isFinished(); ++frame) {
            entry.animation->update();
            entry.animation->drawTo(target, 4, 4);
        }
    }
    if (registry.playerCount() > 0 && registry.enemyCount() > 0) {
        CharacterState* hero = registry.playerState(0);
        CharacterState* enemy = registry.enemyState(0);
        for (const auto& [name, art] : registry.specialArtTable()) {
            if (art == nullptr) {
                continue;
            }
            if (art->canUse(*hero)) {
                art->apply(*hero, *enemy);
            }
            art->apply(*enemy, *hero);
        }
        if (SpecialArt* chosen = enemy->chooseSpecialArt(); chosen != nullptr) {
            chosen->apply(*enemy, *hero);
        }
    }
    return true;
}

bool sameAsFileLoad(const char* path, const std::uint8_t* data, std::size_t size) {
    DataManager fromFile;
    DataManager fromMemory;
    for (DataManager* registry : {&fromFile, &fromMemory}) {
        registry->setQuiet(true);
        registry->setLoadImages(false);
    }
    const bool fileLoaded = fromFile.load(path);
    const bool memoryLoaded =
        fromMemory.loadFromMemory(std::string_view(reinterpret_cast<const char*>(data), size));
    return fileLoaded == memoryLoaded && fromFile.lastError().line == fromMemory.lastError().line &&
           fromFile.lastError().code == fromMemory.lastError().code &&
           fromFile.imageCount() == fromMemory.imageCount() &&
           fromFile.animationCount() == fromMemory.animationCount() &&
           fromFile.specialArtCount() == fromMemory.specialArtCount() &&
           fromFile.playerCount() == fromMemory.playerCount() &&
           fromFile.enemyCount() == fromMemory.enemyCount();
}
