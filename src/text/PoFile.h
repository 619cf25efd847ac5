#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "text/PoString.h"

// A gettext PO file, read from its bytes (the caller opens files): its messages, the header,
// and every malformed entry with its line. The reader is forgiving where it can be: a broken
// entry is reported and skipped up to the next blank line, and reading goes on. Texts stay as
// written (UTF-8); the translation converts them.

// One entry: msgctxt, msgid, msgid_plural and msgstr or msgstr[N], with its comments' flags
// and places.
struct PoMessage {
    bool hasContext = false;
    PoString context;
    PoString id;
    bool hasPlural = false;
    PoString idPlural;
    std::vector<PoString> strings;        // msgstr, or msgstr[0], msgstr[1]...
    std::vector<std::string> references;  // the places of "#:" lines, e.g. "script.dat:571"
    bool fuzzy = false;                   // "#, fuzzy": a guess that waits for a translator
    bool obsolete = false;                // "#~": kept by msgmerge, no longer in the game
    int line = 0;                         // where the entry starts (its first comment or keyword)

    // The translation, or "" when there is none.
    const std::string& translation() const;
};

struct PoProblem {
    int line = 0;
    std::string message;
};

struct PoFile {
    // Refused whole beyond these; a string or a message count beyond theirs is a problem.
    static constexpr std::size_t kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr std::size_t kMaxStringBytes = 64 * 1024;
    static constexpr std::size_t kMaxMessages = 100000;
    static constexpr std::size_t kMaxPluralForms = 8;
    static constexpr std::size_t kMaxProblems = 100;

    bool hasHeader = false;
    PoMessage header;                 // the entry of the empty msgid
    std::vector<PoMessage> messages;  // every other entry, obsolete ones included, in file order
    std::vector<PoProblem> problems;  // in file order; at most kMaxProblems

    static PoFile read(std::string_view bytes);

    // A field of the header ("Content-Type", "Language"...), or "" without it.
    std::string headerField(std::string_view name) const;
};
