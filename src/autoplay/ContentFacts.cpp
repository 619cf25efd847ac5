#include "autoplay/ContentFacts.h"

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "data/SpecialArt.h"
#include "data/TextEncoding.h"

ContentFacts ContentFacts::read(const std::string& path) {
    // The registry keeps process-wide pointers (the normal attack), so this one lives only
    // until the facts are copied out, before any game builds its own.
    ContentFacts facts;
    DataManager data;
    data.setQuiet(true);
    data.setLoadImages(false);
    if (!data.load(path)) {
        facts.error = sjisToUtf8(data.lastError().report);
        if (facts.error.empty()) {
            facts.error = "cannot read " + path;
        }
        return facts;
    }
    facts.loaded = true;
    facts.normalStrength = data.normalAttack() != nullptr ? data.normalAttack()->strength : 0;
    for (int i = 0; i < data.enemyCount(); ++i) {
        facts.enemyNames.push_back(sjisToUtf8(data.enemyState(i)->name()));
    }
    for (int i = 0; i < data.playerCount(); ++i) {
        facts.heroNames.push_back(sjisToUtf8(data.playerState(i)->name()));
    }
    return facts;
}
