#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <stdexcept>

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

TEST(RandomTest, MatchesTheReferenceArithmetic) {
    for (std::uint32_t seed : {0u, 1u, 12345u, 0xFFFFFFFFu}) {
        Random::seed(seed);
        ReferenceGenerator reference(seed);
        for (int i = 0; i < 100; ++i) {
            ASSERT_EQ(Random::next(), reference.next()) << "seed " << seed << " draw " << i;
        }
    }
}

TEST(CharacterStateTest, SubtractionClampsToZeroAndTheMaximum) {
    CharacterDefinitionImpl definition;
    setMaxima(definition, 120, 20);
    CharacterState state(&definition);
    state.restore();
    state.subtractHP(110);
    EXPECT_EQ(state.hp(), 10);
    state.subtractHP(0);
    EXPECT_EQ(state.hp(), 10);
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
    EXPECT_EQ(state.maxHP(), 0);
    EXPECT_EQ(state.specialArtCount(), 0);
    EXPECT_EQ(state.specialArt(0), nullptr);
    EXPECT_EQ(state.faceImage(0), nullptr);
    EXPECT_EQ(state.message(0), nullptr);
    EXPECT_EQ(state.hp(), 0);
    EXPECT_FALSE(state.isAlive());
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
    art.consumeHP = 41;
    EXPECT_FALSE(art.canUse(hero));
    art.consumeHP = 40;

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
    SpecialArt first;
    SpecialArt second;

    // Art i is taken when rand() mod remaining < its percentage; remaining shrinks by it.
    auto expected = [&](ReferenceGenerator& reference, int p1, int p2) -> SpecialArt* {
        int remaining = 100;
        if (reference.next() % remaining < p1) {
            return &first;
        }
        remaining -= p1;
        if (remaining <= 0) {
            return normal;
        }
        return reference.next() % remaining < p2 ? &second : normal;
    };
    const int cases[][2] = {{30, 70}, {0, 0}, {100, 50}, {25, 25}, {150, 10}, {-20, 60}};
    for (const auto& percentages : cases) {
        CharacterDefinitionImpl definition;
        definition.addSpecialArt(&first, percentages[0]);
        definition.addSpecialArt(&second, percentages[1]);
        Random::seed(4242);
        ReferenceGenerator reference(4242);
        int normals = 0;
        for (int i = 0; i < 200; ++i) {
            SpecialArt* chosen = definition.chooseSpecialArt();
            ASSERT_EQ(chosen, expected(reference, percentages[0], percentages[1]))
                << percentages[0] << "/" << percentages[1] << " draw " << i;
            normals += chosen == normal;
        }
        if (percentages[0] == 30 || percentages[0] == 100) {
            EXPECT_EQ(normals, 0);
        }
        if (percentages[0] == 0) {
            EXPECT_EQ(normals, 200);
        }
    }

    CharacterDefinitionImpl none;
    EXPECT_EQ(none.chooseSpecialArt(), normal);
    EXPECT_THROW(none.specialArt(0), std::out_of_range);
    none.addSpecialArt(&first, 10);
    EXPECT_EQ(none.specialArt(0), &first);
    EXPECT_THROW(none.specialArt(-1), std::out_of_range);
    EXPECT_THROW(none.specialArt(1), std::out_of_range);
}

TEST(CharacterDefinitionTest, FacesAndMessages) {
    Image source;
    source.resize(3, 2);
    source.setPixel(0, 0, 0x00306090);
    source.setPixel(2, 1, 0x00FFFFFF);
    CharacterDefinitionImpl definition;
    definition.setFace(source);
    Image* face = definition.faceImage(0);
    Image* gray = definition.faceImage(1);
    EXPECT_EQ(definition.faceImage(2), face);
    ASSERT_NE(face, gray);
    ASSERT_EQ(face->width(), 3);
    EXPECT_EQ(face->pixel(0, 0), 0x00306090u);
    EXPECT_EQ(face->pixel(2, 1), 0x00FFFFFFu);
    ASSERT_EQ(gray->height(), 2);
    EXPECT_EQ(gray->pixel(0, 0), 0x00606060u);

    // The face is a private copy: later changes to the source do not reach it.
    source.setPixel(0, 0, 0);
    EXPECT_EQ(face->pixel(0, 0), 0x00306090u);

    definition.setMessage(0, "hello");
    EXPECT_STREQ(definition.message(0), "hello");
    EXPECT_EQ(definition.message(1), nullptr);
    EXPECT_EQ(definition.message(3), nullptr);
    EXPECT_EQ(definition.message(-1), nullptr);
}
