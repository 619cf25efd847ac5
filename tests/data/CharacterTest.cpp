#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "data/CharacterDefinitionImpl.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "data/Random.h"
#include "data/SpecialArt.h"

namespace {

// The generator's arithmetic, written out here so the test does not trust Random itself.
struct ReferenceGenerator {
    std::uint32_t state;
    explicit ReferenceGenerator(std::uint32_t seed) : state(seed) { next(); }
    int next() {
        state = state * 22695477u + 1u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

void setMaxima(CharacterDefinitionImpl& definition, int maxHP, int maxMP) {
    definition.setMaxHP(maxHP);
    definition.setMaxMP(maxMP);
}

}  // namespace

TEST(CharacterStateTest, SubtractionClampsToZeroAndTheMaximum) {
    CharacterDefinitionImpl definition;
    setMaxima(definition, 120, 20);
    CharacterState state(&definition);
    state.restore();
    state.subtractHP(110);
    state.subtractHP(15);
    EXPECT_EQ(state.hp(), 0);
    EXPECT_FALSE(state.isAlive());
    state.subtractHP(-5);
    EXPECT_EQ(state.hp(), 5);
    EXPECT_TRUE(state.isAlive());
    state.subtractHP(-1000);
    EXPECT_EQ(state.hp(), 120);

    // Amounts a data file can hold must not overflow either way.
    state.subtractHP(INT_MIN);
    EXPECT_EQ(state.hp(), 120);
    state.subtractMP(INT_MAX);
    EXPECT_EQ(state.mp(), 0);
    state.subtractMP(INT_MIN);
    EXPECT_EQ(state.mp(), 20);

    // The maxima are read through the definition, so they follow it.
    definition.setMaxHP(50);
    state.subtractHP(0);
    EXPECT_EQ(state.hp(), 50);
}

TEST(CharacterStateTest, WithoutDefinitionEverythingIsEmpty) {
    CharacterState state(nullptr);
    state.restore();
    EXPECT_EQ(state.name(), "");
    EXPECT_EQ(state.specialArt(0), nullptr);
    EXPECT_EQ(state.faceImage(0), nullptr);
    EXPECT_EQ(state.hp(), 0);
}

TEST(SpecialArtTest, CostsAreCheckedAndPaidBeforeTheDamage) {
    CharacterDefinitionImpl heroDefinition;
    setMaxima(heroDefinition, 40, 20);
    CharacterDefinitionImpl foeDefinition;
    setMaxima(foeDefinition, 5, 0);
    CharacterState hero(&heroDefinition);
    CharacterState foe(&foeDefinition);
    hero.restore();
    foe.restore();
    hero.subtractMP(17);  // MP 3

    SpecialArt art;
    art.strength = 30;
    art.consumeMP = 3;
    art.consumeHP = 40;
    EXPECT_TRUE(art.canUse(hero));  // exactly enough MP and HP
    art.consumeMP = 4;
    EXPECT_FALSE(art.canUse(hero));
    art.consumeMP = 3;

    EXPECT_EQ(art.apply(hero, foe), 30);  // the full strength, whatever the clamp removed
    EXPECT_EQ(hero.mp(), 0);
    EXPECT_EQ(hero.hp(), 0);
    EXPECT_EQ(foe.hp(), 0);
}

TEST(CharacterDefinitionTest, EnemyChoiceFollowsPercentagesAgainstTheGenerator) {
    DataManager registry;
    ASSERT_TRUE(registry.loadFromMemory("SpecialArt normalAttack\n"));
    SpecialArt* normal = registry.normalAttack();
    ASSERT_NE(normal, nullptr);
    SpecialArt arts[3];

    // Art i is taken when rand() mod remaining < its percentage; remaining shrinks by it and
    // the list ends once nothing remains.
    auto expected = [&](ReferenceGenerator& reference, const std::vector<int>& percentages) {
        int remaining = 100;
        for (std::size_t i = 0; i < percentages.size(); ++i) {
            if (reference.next() % remaining < percentages[i]) {
                return &arts[i];
            }
            remaining -= percentages[i];
            if (remaining <= 0) {
                break;
            }
        }
        return normal;
    };
    // The percentages, and how often in 200 draws the normal attack must come (-1: any).
    const std::pair<std::vector<int>, int> cases[] = {
        {{30, 70}, 0},  {{0, 0}, 200},   {{100, 50}, 0},    {{25, 25}, -1},
        {{150, 10}, 0}, {{-20, 60}, -1}, {{50, 50, 10}, 0}, {{30, 30, 30}, -1}};
    for (const auto& [percentages, normalsExpected] : cases) {
        CharacterDefinitionImpl definition;
        for (std::size_t i = 0; i < percentages.size(); ++i) {
            definition.addSpecialArt(&arts[i], percentages[i]);
        }
        Random::seed(4242);
        ReferenceGenerator reference(4242);
        int normals = 0;
        for (int i = 0; i < 200; ++i) {
            SpecialArt* chosen = definition.chooseSpecialArt();
            ASSERT_EQ(chosen, expected(reference, percentages))
                << percentages[0] << "/" << percentages[1] << " draw " << i;
            normals += chosen == normal;
        }
        if (normalsExpected >= 0) {
            EXPECT_EQ(normals, normalsExpected) << percentages[0] << "/" << percentages[1];
        }
    }

    CharacterDefinitionImpl none;
    EXPECT_EQ(none.chooseSpecialArt(), normal);
    EXPECT_THROW(none.specialArt(0), std::out_of_range);
    EXPECT_THROW(none.specialArt(-1), std::out_of_range);
}
