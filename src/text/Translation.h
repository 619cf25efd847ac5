#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// A translation of the game (lang/LL.po): each Japanese text with its translation, both in
// Shift-JIS, converted once when the PO file is read. An entry without a context translates
// its text wherever the game shows it; fuzzy, obsolete, plural and context entries and empty
// translations translate nothing. A text without a translation shows the original.
class Translation {
public:
    struct Problem {
        int line = 0;  // in the PO file
        std::string message;
    };
    struct Entry {
        std::string text;  // the translation, Shift-JIS
        int line = 0;      // of the msgstr in the PO file
    };

    // Reads a PO file's bytes. Malformed entries, characters without a Shift-JIS form and a
    // charset other than UTF-8 are problems with their lines; the other entries still count.
    static Translation fromPo(std::string_view bytes);

    // The translation of a Shift-JIS text, or null without one.
    const std::string* find(std::string_view original) const;
    // The translation of a Shift-JIS text, or the text itself.
    std::string translate(std::string_view original) const;

    // Puts the translations of the program's own texts into the catalogue (text/Catalogue.h),
    // after bringing back its originals: a text this translation lacks shows the original.
    void applyToCatalogue() const;

    bool empty() const { return entries_.empty(); }
    const std::map<std::string, Entry, std::less<>>& entries() const { return entries_; }
    const std::vector<Problem>& problems() const { return problems_; }

private:
    std::map<std::string, Entry, std::less<>> entries_;  // by the original, Shift-JIS
    std::vector<Problem> problems_;
};
