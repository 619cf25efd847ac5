// The shipped script.dat: it loads, names only files that exist, and its texts fit the
// windows that show them.
#include <string>

#include "GameFolder.h"
#include "data/Animation.h"
#include "data/CharacterDefinitionImpl.h"
#include "data/TextEncoding.h"
#include "gfx/Image.h"
#include "text/Catalogue.h"

namespace {

// The message window and the option window hold 48 bytes a line; the name window and the
// four-column hero list hold 10.
constexpr std::size_t kLineBytes = 48;
constexpr std::size_t kNameBytes = 10;
// A special art's name shares a two-column menu row with another.
constexpr std::size_t kArtNameBytes = 20;

std::string shown(const std::string& sjis) {
    return sjisToUtf8(sjis);
}

}  // namespace

using ShippedScript = GameFolder;

TEST_F(ShippedScript, LoadsWithEveryPictureItNames) {
    ASSERT_TRUE(loaded_) << shown(data_->lastError().report);
    for (const auto& failure : data_->imageFailures()) {
        ADD_FAILURE() << "line " << failure.line << ": cannot read " << failure.path;
    }
    EXPECT_GE(data_->playerCount(), 5);
    EXPECT_GE(data_->enemyCount(), 6);
    ASSERT_NE(data_->meState(), nullptr);
    ASSERT_NE(data_->normalAttack(), nullptr);
    for (CharacterState* fighter : fighters()) {
        const Image* face = fighter->faceImage(0);
        ASSERT_NE(face, nullptr) << shown(fighter->name());
        EXPECT_EQ(face->width(), 96) << shown(fighter->name());
        EXPECT_EQ(face->height(), 48) << shown(fighter->name());
        EXPECT_FALSE(fighter->description().empty()) << shown(fighter->name());
        EXPECT_GE(fighter->specialArtCount(), 1) << shown(fighter->name());
    }
}

TEST_F(ShippedScript, TextsFitTheirWindows) {
    ASSERT_TRUE(loaded_) << shown(data_->lastError().report);
    for (CharacterState* fighter : fighters()) {
        const std::string& name = fighter->name();
        EXPECT_FALSE(name.empty());
        EXPECT_LE(name.size(), kNameBytes) << shown(name);
        // An enemy's introduction is one page of the message window: one line.
        EXPECT_LE(fighter->description().size(), kLineBytes) << shown(fighter->description());
        EXPECT_EQ(windowLines(fighter->description()).size(), 1u) << shown(name);
        for (int slot = 0; slot < 3; ++slot) {
            const char* message = fighter->message(slot);
            ASSERT_NE(message, nullptr) << shown(name) << " has no message " << slot;
            const auto lines = windowLines(message);
            for (const std::string& line : lines) {
                EXPECT_LE(line.size(), kLineBytes) << shown(line);
            }
            // "won" and "lost" lines get a single page of two lines.
            if (slot > 0) {
                EXPECT_LE(lines.size(), 2u) << shown(message);
            }
        }
    }
}

TEST_F(ShippedScript, BattleLinesFitTheMessageWindow) {
    ASSERT_TRUE(loaded_);
    // The lines the battle puts together: "<actor>の　<art>" and
    // "<target>は　<strength>　のダメージをうけた！", for every fighter and move it can use.
    for (CharacterState* fighter : fighters()) {
        for (int i = -1; i < fighter->specialArtCount(); ++i) {
            const SpecialArt* art = i < 0 ? data_->normalAttack() : fighter->specialArt(i);
            EXPECT_FALSE(art->name.empty());
            EXPECT_LE(art->name.size(), kArtNameBytes) << shown(art->name);
            const std::string action = formatText(TextId::LineArt, {fighter->name(), art->name});
            EXPECT_LE(action.size(), kLineBytes) << shown(action);
            for (CharacterState* target : fighters()) {
                const std::string damage =
                    formatText(TextId::LineDamage, {target->name(), std::to_string(art->strength)});
                EXPECT_LE(damage.size(), kLineBytes) << shown(damage);
            }
        }
    }
}

TEST_F(ShippedScript, EveryMoveCanBePaidByAFreshFighter) {
    ASSERT_TRUE(loaded_);
    for (CharacterState* fighter : fighters()) {
        fighter->restore();
        auto* definition = dynamic_cast<CharacterDefinitionImpl*>(fighter->definition());
        ASSERT_NE(definition, nullptr);
        for (int i = 0; i < fighter->specialArtCount(); ++i) {
            const SpecialArt* art = fighter->specialArt(i);
            EXPECT_TRUE(art->canUse(*fighter))
                << shown(fighter->name()) << " can never use " << shown(art->name);
            EXPECT_GE(definition->percentage(i), 0) << shown(art->name);
        }
    }
}

TEST_F(ShippedScript, EveryMoveAnimationShowsSomething) {
    ASSERT_TRUE(loaded_);
    Image picture;
    picture.resize(96, 48);
    for (CharacterState* fighter : fighters()) {
        for (int i = 0; i < fighter->specialArtCount(); ++i) {
            Animation* animation = fighter->specialArt(i)->animation;
            if (animation == nullptr) {
                continue;  // a move may play no animation at all
            }
            // Played as the picture window plays it: two seconds, one update per frame.
            animation->reset();
            bool visible = false;
            for (int frame = 0; frame < 60 && !visible; ++frame) {
                picture.fillRect(0, 0, 0, 96, 48);
                animation->drawTo(picture, 0, 0);
                animation->update();
                for (int y = 0; y < 48 && !visible; ++y) {
                    for (int x = 0; x < 96 && !visible; ++x) {
                        visible = (picture.pixel(x, y) & 0xFFFFFF) != 0;
                    }
                }
            }
            EXPECT_TRUE(visible) << shown(fighter->specialArt(i)->name) << " stays black";
        }
    }
}
