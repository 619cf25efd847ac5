#include "workbench/Preview.h"

#include <algorithm>
#include <map>

#include "app/InputState.h"
#include "data/Animation.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "gfx/DIBImage.h"
#include "text/Catalogue.h"
#include "workbench/PreviewText.h"

namespace {

constexpr Pixel kBackground = 0x7FBF00;  // the game's own
constexpr Pixel kWindowFill = 0xFFBF9F;
constexpr const char* kSpace = "\x81\x40";  // a full-width space
// Bytes the title holds between its margins.
constexpr std::size_t kTitleWidth = (240 - 16 - 16 - 8) / 4;
// Bytes of text the wide windows hold (their inner width over 4 pixels a byte).
constexpr std::size_t kUsersWidth = (240 - 16 - 16) / 4;
// A gauge row holds this many 8-pixel tiles in the status window.
constexpr int kGaugeTiles = (144 - 16 - 16) / 8;

void setLines(TextWindow& window, const std::vector<std::string>& lines) {
    window.lines = lines;
    window.firstLine = 0;
    window.linesPerPage = static_cast<int>(lines.size());
}

std::string counter(const std::string& kind, int number, int count) {
    return kind + " " + std::to_string(number) + "/" + std::to_string(count);
}

}  // namespace

Preview::Preview(DataManager& data)
    : title_(16, 8, 240, 32, 16, 8, 8, 8, kWindowFill, false),
      picture_(80, 40, 176, 88, 0, 0, 0, 0, 0),
      grayPicture_(136, 40, 232, 88, 0, 0, 0, 0, 0),
      facts_(16, 96, 240, 144, 16, 8, 16, 8, kWindowFill, false),
      users_(16, 144, 240, 216, 16, 8, 16, 8, kWindowFill, false),
      status_(16, 96, 144, 144, 16, 8, 16, 8, kWindowFill),
      numbers_(144, 96, 240, 144, 8, 24, 8, 8, kWindowFill, false),
      lines_(8, 144, 248, 224, 8, 8, 8, 8, kWindowFill, false) {
    users_.lineHeight = 12;
    // Beside the status window's gauges, a line each.
    numbers_.lineHeight = 8;
    lines_.lineHeight = 10;
    attach(data);
}

void Preview::attach(DataManager& data) {
    data_ = &data;
    // Arts in file order, leaving out those whose name an earlier one took: no one can use
    // them.
    std::map<const SpecialArt*, std::string> named;
    for (const auto& [name, art] : data.specialArtTable()) {
        named[art] = name;
    }
    arts_.clear();
    for (const auto& art : data.specialArtList()) {
        if (const auto found = named.find(art.get()); found != named.end()) {
            arts_.push_back({art.get(), found->second});
        }
    }
    fighters_.clear();
    for (int i = 0; i < data.playerCount(); ++i) {
        fighters_.push_back(
            {data.playerState(i), text(TextId::GalleryHero), i + 1, data.playerCount()});
    }
    for (int i = 0; i < data.enemyCount(); ++i) {
        fighters_.push_back(
            {data.enemyState(i), text(TextId::GalleryEnemy), i + 1, data.enemyCount(), true});
    }
    if (data.meState() != nullptr) {
        fighters_.push_back({data.meState(), text(TextId::GalleryMe), 1, 1});
    }
    art_ = std::clamp(art_, 0, std::max(0, artCount() - 1));
    fighter_ = std::clamp(fighter_, 0, std::max(0, fighterCount() - 1));
    show();
}

void Preview::frame(InputState& input, const KeySource& keys, DIBImage& target) {
    // The wheel arrives as a press of Left (forward) or Right (back); here it turns the arts.
    int wheel = 0;
    if (input.injectedPress[ButtonLeft] != 0) {
        wheel = -1;
    } else if (input.injectedPress[ButtonRight] != 0) {
        wheel = 1;
    }
    input.injectedPress[ButtonLeft] = 0;
    input.injectedPress[ButtonRight] = 0;
    input.poll(keys);

    if (wheel != 0) {
        turnArts(wheel);
    } else if (input.isPressed(ButtonLeft) || input.isPressed(ButtonRight)) {
        turnFighters(input.isPressed(ButtonLeft) ? -1 : 1);
    } else if (input.isPressed(ButtonUp) || input.isPressed(ButtonDown)) {
        turnArts(input.isPressed(ButtonUp) ? -1 : 1);
    } else if (input.isPressed(ButtonDecide)) {
        show();  // from the start again
    } else if (input.isPressed(ButtonCancel)) {
        quit_ = true;
    }
    draw(target);
}

void Preview::turnArts(int step) {
    if (page_ == Page::Arts) {
        art_ = std::clamp(art_ + step, 0, std::max(0, artCount() - 1));
    }
    page_ = Page::Arts;
    show();
}

void Preview::turnFighters(int step) {
    if (page_ == Page::Fighters) {
        fighter_ = std::clamp(fighter_ + step, 0, std::max(0, fighterCount() - 1));
    }
    page_ = Page::Fighters;
    show();
}

void Preview::show() {
    // Each page shows its own windows; the picture sits in the middle or leads the two faces.
    const bool arts = page_ == Page::Arts;
    facts_.visible = users_.visible = arts;
    grayPicture_.visible = status_.visible = numbers_.visible = lines_.visible = !arts;
    picture_.left = arts ? 80 : 24;
    picture_.right = picture_.left + 96;
    if (arts) {
        showArt();
    } else {
        showFighter();
    }
}

void Preview::showArt() {
    if (arts_.empty()) {
        setText(title_, text(TextId::GalleryNoArts).c_str());
        picture_.animation = nullptr;
        setLines(facts_, {});
        setLines(users_, {});
        return;
    }
    const Art& shown = arts_[static_cast<std::size_t>(art_)];
    SpecialArt& art = *shown.art;
    const std::string heading = counter(text(TextId::GalleryArts), art_ + 1, artCount()) + kSpace;
    setText(title_,
            (heading + PreviewText::fitted(shown.name, kTitleWidth - heading.size())).c_str());
    // As a damage event plays it: from its first frame, advanced as the window draws.
    if (art.animation != nullptr) {
        art.animation->reset();
    }
    picture_.animation = art.animation;
    picture_.animate = true;
    setLines(facts_, {art.name.empty() ? text(TextId::GalleryNoName) : art.name,
                      PreviewText::artFacts(art)});
    setLines(users_, PreviewText::artUsers(*data_, art, kUsersWidth));
}

void Preview::showFighter() {
    if (fighters_.empty()) {
        setText(title_, text(TextId::GalleryNoFighters).c_str());
        picture_.animation = grayPicture_.animation = nullptr;
        status_.character = nullptr;
        setLines(numbers_, {});
        setLines(lines_, {});
        return;
    }
    const Fighter& fighter = fighters_[static_cast<std::size_t>(fighter_)];
    CharacterState& state = *fighter.state;
    std::string title = counter(fighter.kind, fighter.number, fighter.count);
    if (fighter.enemy) {
        title += kSpace + formatText(TextId::BattleGroundHeading, {std::to_string(fighter.number)});
    }
    setText(title_, title.c_str());
    setLines(numbers_,
             {"HP " + std::to_string(state.maxHP()), "MP " + std::to_string(state.maxMP())});
    picture_.animation = state.faceImage(0);
    picture_.animate = false;
    grayPicture_.animation = state.faceImage(1);
    status_.character = &state;
    // Large maxima take more points a tile, so the full gauge stays inside the window.
    const long long most = std::max({state.maxHP(), state.maxMP(), 1});
    const long long perTile = (most + 16LL * kGaugeTiles - 1) / (16LL * kGaugeTiles);
    status_.gaugeUnit = static_cast<int>(16 * std::min(perTile, 1LL << 26));
    setLines(lines_, PreviewText::fighterLines(state));
}

void Preview::draw(DIBImage& target) {
    target.fillRect(kBackground, target.clipX0(), target.clipY0(), target.clipX1(),
                    target.clipY1());
    title_.draw(target);
    picture_.draw(target);
    grayPicture_.draw(target);
    facts_.draw(target);
    users_.draw(target);
    status_.draw(target);
    numbers_.draw(target);
    lines_.draw(target);
}
