#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The program's own texts (text/Texts.def, UTF-8), turned into Shift-JIS like every game text
// on first use. The table starts as the original Japanese; a translation overwrites entries at
// load and resetCatalogue() brings the originals back.
enum class TextId {
#define VK_TEXT(id, window, width, ...) id,
#include "text/Texts.def"
#undef VK_TEXT
};

// One entry as written in Texts.def, for the translators' template and checks.
struct CatalogueEntry {
    TextId id;
    std::string_view name;      // the id's name, "MenuFight"
    std::string_view utf8;      // the Japanese text as written in Texts.def
    std::string_view original;  // the same in Shift-JIS
    std::string_view file;      // "src/text/Texts.def"
    int line = 0;               // where the entry starts in that file
    std::string_view window;    // where the text is shown
    int width = 0;              // pixels a line may take there; 0 for no limit
};

// The text as the game shows it: the translation when one is set, else the original.
const std::string& text(TextId id);
// The text with its numbered places (%1$s, %2$s...) filled by parts, in whatever order the
// text names them.
std::string formatText(TextId id, std::initializer_list<std::string_view> parts);
// Fills the places of any pattern: %N$s is parts[N-1] and %% is one %. A place without a part,
// and any other %, stay as written.
std::string fillPlaces(std::string_view pattern, std::initializer_list<std::string_view> parts);

void setCatalogueText(TextId id, std::string sjis);
void resetCatalogue();

// Every entry in the order of Texts.def.
std::span<const CatalogueEntry> catalogueEntries();
const CatalogueEntry& catalogueEntry(TextId id);
