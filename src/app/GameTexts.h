#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

class DataManager;

// Every text a translation of the game can cover, for the translators' template (--pot) and
// their checks (--check --lang): the program's own texts and those of the data file.
struct GameText {
    std::string original;             // Shift-JIS, as the Japanese game shows it
    std::vector<std::string> places;  // "script.dat:571", "src/text/Texts.def:40"
    std::string window;               // where it is shown
    int width = 0;                    // pixels a line may take there; 0: no limit
    std::string note;                 // for translators: what the text is
};

// The texts of the program and of the loaded data file, each text once (the places of every
// use together, the narrowest window), in the order they are first met.
std::vector<GameText> collectGameTexts(const DataManager& data);

// The template (gettext POT, UTF-8): every text with its places and window, msgstr empty.
void writeTemplate(const std::vector<GameText>& texts, std::ostream& out);

// The numbered places (%1$s to %9$s) a text has, bit N-1 for %N$s.
unsigned numberedPlaces(std::string_view text);

// Pixels a Shift-JIS text takes on its widest line in the game font: 4 a one-byte character,
// 8 a two-byte one; each numbered place (%1$s...) counted as a name of 10 bytes.
int textLineWidth(const std::string& sjis);
