#include "text/PoString.h"

#include <cstdio>

int PoString::lineAt(std::size_t offset) const {
    int found = line;
    for (const auto& [start, pieceLine] : pieces) {
        if (start > offset) {
            break;
        }
        found = pieceLine;
    }
    return found;
}

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The character a one-letter escape stands for, or 0 for an unknown one.
char simpleEscape(char c) {
    switch (c) {
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'v':
            return '\v';
        case '\\':
            return '\\';
        case '"':
            return '"';
        case '\'':
            return '\'';
        case '?':
            return '?';
        default:
            return 0;
    }
}

// Undoes the escape at source[at] (a backslash with a byte after it) into text; gives where
// reading goes on, or 0 for an unknown escape.
std::size_t unescape(std::string_view source, std::size_t at, std::string& text,
                     std::string& error) {
    const char next = source[at + 1];
    if (const char simple = simpleEscape(next); simple != 0) {
        text.push_back(simple);
        return at + 2;
    }
    if (next >= '0' && next <= '7') {
        int value = 0;
        std::size_t j = at + 1;
        for (; j < source.size() && j < at + 4 && source[j] >= '0' && source[j] <= '7'; ++j) {
            value = value * 8 + (source[j] - '0');
        }
        text.push_back(static_cast<char>(value & 0xFF));
        return j;
    }
    if (next == 'x' && at + 2 < source.size() && hexValue(source[at + 2]) >= 0) {
        int value = 0;
        std::size_t j = at + 2;
        for (; j < source.size() && j < at + 4 && hexValue(source[j]) >= 0; ++j) {
            value = value * 16 + hexValue(source[j]);
        }
        text.push_back(static_cast<char>(value));
        return j;
    }
    error = std::string("unknown escape \\") + next;
    return 0;
}

}  // namespace

std::optional<std::string> unquotePoString(std::string_view source, std::string& error) {
    if (source.empty() || source[0] != '"') {
        error = "a string must start with a quote";
        return std::nullopt;
    }
    std::string text;
    std::size_t i = 1;
    while (true) {
        if (i >= source.size()) {
            error = "the string has no closing quote";
            return std::nullopt;
        }
        const char c = source[i];
        if (c == '"') {
            // Another piece may follow on the same line.
            const std::size_t next = source.find_first_not_of(" \t\r", i + 1);
            if (next == std::string_view::npos) {
                return text;
            }
            if (source[next] != '"') {
                error = "text after the closing quote";
                return std::nullopt;
            }
            i = next + 1;
            continue;
        }
        if (c != '\\') {
            text.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 >= source.size()) {
            error = "the string has no closing quote";
            return std::nullopt;
        }
        i = unescape(source, i, text, error);
        if (i == 0) {
            return std::nullopt;
        }
    }
}

std::string quotePoString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\%03o", static_cast<unsigned char>(c));
                    out += escaped;
                } else {
                    out.push_back(c);
                }
        }
    }
    out += '"';
    return out;
}
