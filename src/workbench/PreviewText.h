#pragma once

#include <string>
#include <vector>

class CharacterState;
class DataManager;
class SpecialArt;

// The texts of the preview, in Shift-JIS, cut into lines that fit a window of a given width
// in bytes (the game font is 4 pixels a byte).
class PreviewText {
public:
    // "つよさ 30　MP 5　HP 0": what the art deals and costs.
    static std::string artFacts(const SpecialArt& art);
    // Who uses the art: the heroes that have it and the enemies with their chance of picking
    // it ("ゴロンガ 30%"); with the normal attack, everyone, enemies with what their arts leave.
    static std::vector<std::string> artUsers(DataManager& data, const SpecialArt& art,
                                             std::size_t width);
    // The fighter's description and start, won and lost lines, each labelled ("ようす：",
    // "はじめ：", "かち　：", "まけ　："), broken where the text breaks.
    static std::vector<std::string> fighterLines(const CharacterState& fighter);
    // "12%" rounded; "0%" only when never, "<1%" when rarely.
    static std::string percent(double chance);
    // The text cut to at most width bytes, never inside a two-byte character.
    static std::string fitted(const std::string& text, std::size_t width);
    // Items after a label, a full-width space between them, onto as many lines as they need;
    // later lines start under the first item.
    static std::vector<std::string> wrap(const std::string& label,
                                         const std::vector<std::string>& items, std::size_t width);
};
