#pragma once

#include <string>
#include <string_view>

// Text written in UTF-8 in a test's source, as the Shift-JIS (code page 932) bytes the game
// holds: converted as the build stores the catalogue's texts (iconv's CP932; under Windows its
// own code page 932). Text code page 932 lacks is a mistake in the test and throws.
std::string sjis(std::string_view utf8);
