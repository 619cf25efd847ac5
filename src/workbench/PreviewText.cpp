#include "workbench/PreviewText.h"

#include <algorithm>
#include <cmath>

#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "data/SpecialArt.h"
#include "text/Catalogue.h"
#include "workbench/ArtChance.h"

namespace {

constexpr const char* kSpace = "\x81\x40";  // a full-width space
// Every label is eight bytes wide, so the texts after them line up.
constexpr std::size_t kLabelWidth = 8;

bool hasArt(const CharacterState& fighter, const SpecialArt& art) {
    for (int i = 0; i < fighter.specialArtCount(); ++i) {
        if (fighter.specialArt(i) == &art) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string PreviewText::artFacts(const SpecialArt& art) {
    return formatText(TextId::GalleryArtFacts,
                      {std::to_string(art.strength), std::to_string(art.consumeMP),
                       std::to_string(art.consumeHP)});
}

std::string PreviewText::percent(double chance) {
    if (chance <= 0) {
        return "0%";
    }
    const long rounded = std::lround(chance * 100);
    return rounded == 0 ? "<1%" : std::to_string(rounded) + "%";
}

std::string PreviewText::fitted(const std::string& text, std::size_t width) {
    std::size_t end = 0;
    while (end < text.size()) {
        const auto c = static_cast<unsigned char>(text[end]);
        const std::size_t size = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC) ? 2 : 1;
        if (end + size > width) {
            break;
        }
        end += size;
    }
    return text.substr(0, std::min(end, text.size()));
}

std::vector<std::string> PreviewText::wrap(const std::string& label,
                                           const std::vector<std::string>& items,
                                           std::size_t width) {
    std::vector<std::string> lines{label};
    const std::string indent(label.size(), ' ');
    bool first = true;
    for (const std::string& item : items) {
        std::string& line = lines.back();
        if (first) {
            line += item;
        } else if (line.size() + 2 + item.size() <= width) {
            line += kSpace + item;
        } else {
            lines.push_back(indent + item);
        }
        first = false;
    }
    return lines;
}

std::vector<std::string> PreviewText::artUsers(DataManager& data, const SpecialArt& art,
                                               std::size_t width) {
    const bool everyone = &art == data.normalAttack();
    std::vector<std::string> heroes;
    for (int i = 0; i < data.playerCount(); ++i) {
        const CharacterState& hero = *data.playerState(i);
        if (everyone || hasArt(hero, art)) {
            heroes.push_back(hero.name());
        }
    }
    std::vector<std::string> enemies;
    for (int i = 0; i < data.enemyCount(); ++i) {
        const CharacterState& enemy = *data.enemyState(i);
        if (everyone || hasArt(enemy, art)) {
            enemies.push_back(enemy.name() + " " +
                              percent(ArtChance::chanceOf(enemy, &art, data.normalAttack())));
        }
    }
    std::vector<std::string> lines;
    for (const auto& [label, names] : {std::pair{TextId::GalleryHeroesLabel, &heroes},
                                       {TextId::GalleryEnemiesLabel, &enemies}}) {
        if (!names->empty()) {
            const std::vector<std::string> part = wrap(text(label), *names, width);
            lines.insert(lines.end(), part.begin(), part.end());
        }
    }
    if (lines.empty()) {
        lines.push_back(text(TextId::GalleryNobody));
    }
    return lines;
}

std::vector<std::string> PreviewText::fighterLines(const CharacterState& fighter) {
    static constexpr TextId kLabels[] = {TextId::GalleryDescriptionLabel, TextId::GalleryStartLabel,
                                         TextId::GalleryWinLabel, TextId::GalleryLoseLabel};
    std::vector<std::string> lines;
    for (int slot = -1; slot < 3; ++slot) {
        const char* message = slot < 0 ? fighter.description().c_str() : fighter.message(slot);
        std::string label = text(kLabels[slot + 1]);
        const std::string body =
            message != nullptr && *message != '\0' ? message : text(TextId::GalleryNone);
        std::size_t at = 0;
        // Any run of CR and LF bytes is one break, as the message window reads it.
        while (at <= body.size()) {
            const std::size_t end = std::min(body.find_first_of("\r\n", at), body.size());
            lines.push_back(label + body.substr(at, end - at));
            label = std::string(kLabelWidth, ' ');
            at = body.find_first_not_of("\r\n", end);
            if (at == std::string::npos) {
                break;
            }
        }
    }
    return lines;
}
