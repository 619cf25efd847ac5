#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The small text rules of the data file, shared by the reader and its tests.

// Removes leading and trailing space, tab, CR, LF, vertical tab and form feed. Bytes from
// 0x80 up are never blanks, so Shift-JIS text keeps its bytes.
std::string_view trimScriptLine(std::string_view line);

// Splits at runs of spaces and tabs only; tokens are never empty.
std::vector<std::string> splitScriptTokens(std::string_view line);

// An optional leading "-" or "+", then decimal digits only; a lone sign is 0. Anything else,
// or a value outside the 32-bit signed range, gives nothing.
std::optional<int> parseScriptInteger(std::string_view token);

// Replaces every backslash-f with a form feed, then every backslash-n with a line feed, then
// every backslash-t with a tab, byte by byte.
std::string replaceScriptEscapes(std::string text);
