#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One string of a PO file (a msgid, msgstr...): the text its quoted pieces make together, and
// the line each piece came from, so a problem found later in the text (a character with no
// Shift-JIS form) is reported at the line that holds it.
struct PoString {
    std::string text;
    int line = 0;  // the line of the keyword
    // Where each non-empty piece starts in text, and its line; ascending.
    std::vector<std::pair<std::size_t, int>> pieces;

    // The line holding byte `offset` of text.
    int lineAt(std::size_t offset) const;
};

// Reads the quoted pieces of one line (`"..."`, blanks between and after them) as one text and
// undoes their escapes: \n \t \r \a \b \f \v \\ \" \' \?, octal \NNN and hex \xHH. Gives
// nothing, and the reason in `error`, for a missing quote, text after a closing quote or an
// unknown escape.
std::optional<std::string> unquotePoString(std::string_view source, std::string& error);

// The text as a quoted piece again: the escapes above for quote, backslash, newline, tab and
// the other control characters.
std::string quotePoString(std::string_view text);
