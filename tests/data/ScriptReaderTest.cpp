#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "SjisText.h"
#include "data/ConstVelocityAnimation.h"
#include "data/DataManager.h"
#include "data/SerialAnimation.h"
#include "data/StillAnimation.h"
#include "gfx/ImageSave.h"
#include "text/Translation.h"

namespace {

const std::string kScript = sjis(
    "# heroes and their foes\n"
    "Image hero\n"
    "Image walk\n"
    "Animation Still walk\n"
    "set hero\n"
    "Animation ConstVelocity slide\n"
    "set walk\n"
    "initPos -4 +8\n"
    "velocity 2 -1\n"
    "length 6\n"
    "Animation Serial combo\n"
    "add slide 3\n"
    "add hero 2\n"
    "loop 0\n"
    "SpecialArt normalAttack\n"
    "name たたかう\n"
    "SpecialArt fire\n"
    "name ファイア\r\n"
    "strength 25\n"
    "consumeMP 4\n"
    "animation combo\n"
    "SpecialArt fire\n"
    "strength 99\n"
    "Player\n"
    "name 勇者\n"
    "description 旅の剣士\n"
    "maxHP 120 # the hero\n"
    "maxMP 20\n"
    "specialArt fire 30\n"
    "message won やった\\nね\n"
    "Enemy\n"
    "name スライム\n"
    "maxHP 30\n"
    "Enemy\n"
    "name ドラゴン\n"
    "maxHP 300\n"
    "Me\n"
    "name わたし\n"
    "maxHP 50\n"
    "specialArt fire 10\n");

}  // namespace

TEST(ScriptReaderTest, LoadsEveryBlockAndRestoresTheFighters) {
    DataManager data;
    ASSERT_TRUE(data.loadFromMemory(kScript)) << data.lastError().report;
    ASSERT_EQ(data.playerCount(), 1);
    ASSERT_EQ(data.enemyCount(), 2);
    EXPECT_EQ(data.specialArtCount(), 3);

    CharacterState* hero = data.playerState(0);
    EXPECT_EQ(hero->name(), sjis("勇者"));
    EXPECT_EQ(hero->description(), sjis("旅の剣士"));
    EXPECT_EQ(hero->hp(), 120);  // restored after the whole file was read
    EXPECT_EQ(hero->mp(), 20);
    ASSERT_EQ(hero->specialArtCount(), 1);
    SpecialArt* fire = hero->specialArt(0);
    EXPECT_EQ(fire->name, sjis("ファイア"));
    EXPECT_EQ(fire->strength, 25);  // the second "fire" block did not replace the first
    EXPECT_EQ(std::string(hero->message(1)), sjis("やった\nね"));
    EXPECT_EQ(hero->message(0), nullptr);
    EXPECT_EQ(hero->message(3), nullptr);
    EXPECT_EQ(data.enemyState(1)->hp(), 300);
    EXPECT_EQ(data.normalAttack()->name, sjis("たたかう"));
    EXPECT_EQ(data.enemyState(0)->chooseSpecialArt(), data.normalAttack());

    // The Me state is left for the main scene to restore.
    ASSERT_NE(data.meState(), nullptr);
    EXPECT_EQ(data.meState()->maxHP(), 50);
    EXPECT_EQ(data.meState()->hp(), 0);

    EXPECT_THROW(data.playerState(1), std::out_of_range);
    EXPECT_THROW(data.enemyState(-1), std::out_of_range);

    // "walk" is both an image and an animation: the animation wins.
    const auto& animations = data.animationTable();
    auto* slide = static_cast<ConstVelocityAnimation*>(animations.at("slide").animation);
    EXPECT_EQ(animations.at("slide").kind, 1);
    EXPECT_EQ(slide->content, animations.at("walk").animation);
    EXPECT_TRUE(slide->contentIsAnimation);
    EXPECT_EQ(slide->initY, 8);
    EXPECT_EQ(slide->velocityY, -1);
    auto* walk = static_cast<StillAnimation*>(animations.at("walk").animation);
    EXPECT_EQ(walk->content, data.imageTable().at("hero"));
    EXPECT_FALSE(walk->contentIsAnimation);

    auto* combo = static_cast<SerialAnimation*>(animations.at("combo").animation);
    EXPECT_EQ(fire->animation, combo);
    EXPECT_EQ(combo->loop, 0);
    ASSERT_EQ(combo->steps().size(), 2u);
    EXPECT_TRUE(combo->steps()[0].restartOnEntry);
    EXPECT_FALSE(combo->steps()[1].isAnimation);
}

TEST(ScriptReaderTest, NullNamesAndForgivingCorners) {
    DataManager data;
    const char* script =
        "maxHP 5\n"            // field lines before the first header are ignored
        "  # not a comment\n"  // ... and so is this one, which is not a comment
        "Animation Serial s\n"
        "add NULL 4\n"
        "Animation Still t\n"
        "set NULL\n"
        "SpecialArt normalAttack\n"
        "animation NULL\n"
        "Player\n"
        "faceImage NULL\n"
        "maxHP 12 extra tokens are ignored\n"
        "Image dup\n"
        "Animation Still first\n"
        "set dup\n"
        "Image dup\n"
        "Animation Still second\n"
        "set dup\n";
    ASSERT_TRUE(data.loadFromMemory(script)) << data.lastError().report;
    auto* serial = static_cast<SerialAnimation*>(data.animationTable().at("s").animation);
    ASSERT_EQ(serial->steps().size(), 1u);
    EXPECT_EQ(serial->steps()[0].item, nullptr);
    EXPECT_EQ(data.normalAttack()->animation, nullptr);
    EXPECT_EQ(data.playerState(0)->maxHP(), 12);
    EXPECT_EQ(data.meState(), nullptr);  // no Me block: absent, not a crash

    // A second image of the same name is created and owned, but the name keeps the first.
    EXPECT_EQ(data.imageCount(), 2);
    const auto& animations = data.animationTable();
    EXPECT_EQ(static_cast<StillAnimation*>(animations.at("first").animation)->content,
              static_cast<StillAnimation*>(animations.at("second").animation)->content);
}

TEST(ScriptReaderTest, FaceImageIsACopyOfTheLoadedFile) {
    Image picture;
    picture.resize(2, 2);
    picture.setPixel(0, 0, 0x00FF0000);
    picture.setPixel(1, 1, 0x00336699);
    const std::string folder = VK_BINARY_DIR;
    ASSERT_TRUE(savePng(picture, folder + "/data_face.png"));
    // The backslash of the file's path is read as a folder separator.
    const std::string script = "Image face\nsrc " + folder + "\\data_face.png\n" +
                               "Image blank\nSpecialArt normalAttack\n" +
                               "Enemy\nfaceImage face\nPlayer\nfaceImage blank\n";
    DataManager data;
    ASSERT_TRUE(data.loadFromMemory(script)) << data.lastError().report;
    EXPECT_TRUE(data.imageFailures().empty());
    Image* face = data.enemyState(0)->faceImage(0);
    ASSERT_NE(face, data.imageTable().at("face"));
    ASSERT_EQ(face->width() * face->height(), 4);
    EXPECT_EQ(face->pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(face->pixel(1, 1) & 0xFFFFFF, 0x336699u);
    EXPECT_EQ(data.enemyState(0)->faceImage(1)->pixel(0, 0), 0x00555555u);
    // An image without src is empty; the copy is empty too but never null.
    EXPECT_EQ(data.playerState(0)->faceImage(0)->width(), 0);
    EXPECT_NE(data.playerState(0)->faceImage(1), nullptr);
    std::remove((folder + "/data_face.png").c_str());
}

TEST(ScriptReaderTest, FailedLoadLeavesNothingBehind) {
    DataManager data;
    ASSERT_TRUE(data.loadFromMemory(kScript));
    data.setQuiet(true);
    std::string broken = kScript;
    broken += "colour 3\n";
    EXPECT_FALSE(data.loadFromMemory(broken));
    EXPECT_EQ(data.playerCount() + data.enemyCount() + data.imageCount() + data.animationCount() +
                  data.specialArtCount(),
              0);
    EXPECT_EQ(data.meState(), nullptr);
    // The normal attack and the Me definition's moves were destroyed with the arts, so
    // nothing may still point at them.
    EXPECT_EQ(data.normalAttack(), nullptr);
    EXPECT_EQ(data.meDefinition().specialArtCount(), 0);
    EXPECT_TRUE(data.imageTable().empty() && data.animationTable().empty());
}

TEST(ScriptReaderTest, TranslationReplacesEveryKindOfTextAndKeepsTheOriginals) {
    // "\x83\x5C" is a Shift-JIS character whose second byte is a backslash.
    const Translation translation = Translation::fromPo(
        "msgid \"Fire\"\nmsgstr \"Feuer\"\n\n"
        "msgid \"Hero\"\nmsgstr \"\xE3\x82\xBD\"\n\n"
        "msgid \"Wanderer\"\nmsgstr \"A sword for hire\"\n\n"
        "msgid \"Won\\nyes\"\nmsgstr \"Gewonnen\\nja!\"\n");
    ASSERT_TRUE(translation.problems().empty());
    DataManager data;
    data.setQuiet(true);
    data.setTranslation(&translation);
    ASSERT_TRUE(
        data.loadFromMemory("SpecialArt normalAttack\nname Hit\n"
                            "SpecialArt fire\nname Fire\n"
                            "Player\nname Hero\ndescription Wanderer\n"
                            "specialArt fire 30\nmessage won Won\\nyes\n"
                            "Enemy\nname Slime\nmessage lost Won\\nyes\n"))
        << data.lastError().report;
    const CharacterState* hero = data.playerState(0);
    EXPECT_EQ(hero->name(), "\x83\x5C");
    EXPECT_EQ(hero->description(), "A sword for hire");
    EXPECT_STREQ(hero->message(1), "Gewonnen\nja!");
    EXPECT_STREQ(data.enemyState(0)->message(2), "Gewonnen\nja!");
    EXPECT_EQ(data.specialArtTable().at("fire")->name, "Feuer");
    // Texts without a translation, and the names the file refers to things by, stay.
    EXPECT_EQ(data.normalAttack()->name, "Hit");
    EXPECT_EQ(data.enemyState(0)->name(), "Slime");

    using Kind = DataManager::ScriptTextEntry::Kind;
    const std::vector<std::tuple<Kind, int, std::string>> expected{
        {Kind::ArtName, 2, "Hit"},       {Kind::ArtName, 4, "Fire"},
        {Kind::Name, 6, "Hero"},         {Kind::Description, 7, "Wanderer"},
        {Kind::Message, 9, "Won\nyes"},  {Kind::Name, 11, "Slime"},
        {Kind::Message, 12, "Won\nyes"},
    };
    std::vector<std::tuple<Kind, int, std::string>> texts;
    for (const auto& entry : data.scriptTexts()) {
        texts.emplace_back(entry.kind, entry.line, entry.text);
    }
    EXPECT_EQ(texts, expected);

    // Without a translation the same file reads as written.
    DataManager original;
    original.setQuiet(true);
    ASSERT_TRUE(original.loadFromMemory("SpecialArt normalAttack\nname Fire\n"));
    EXPECT_EQ(original.normalAttack()->name, "Fire");
}
