#pragma once

#include <string>
#include <string_view>

// Rewrites a C++ source file (the catalogue of the program's texts, src/text/Texts.def) so that
// every compiler stores its texts as Shift-JIS: every byte outside ASCII inside an ordinary
// string literal becomes the octal escape of its code page 932 encoding, on the same line, so
// line numbers stay those of the original. Comments, prefixed literals (u8, u, U, L) and
// everything else are copied unchanged. Octal escapes take at most three digits, so a digit
// after one stays a character of its own.
//
// False with a message naming the line when a text cannot be converted: a character code page
// 932 lacks, malformed UTF-8, or non-ASCII text in a character or raw string literal.
bool toShiftJisLiterals(std::string_view source, std::string& out, std::string& error);
