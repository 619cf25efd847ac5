#include "text/Catalogue.h"

#include <array>
#include <vector>

namespace {

// The entries from the build's Shift-JIS copy of Texts.def; it keeps every line where it was,
// so __LINE__ is the entry's line in the original.
constexpr CatalogueEntry kEntries[] = {
#define VK_TEXT(id, window, width, ...)                                                        \
    {TextId::id, #id,  {__VA_ARGS__, sizeof(__VA_ARGS__) - 1}, "src/text/Texts.def", __LINE__, \
     window,     width},
#include "text/TextsSjis.def"
#undef VK_TEXT
};
constexpr std::size_t kCount = std::size(kEntries);

std::vector<std::string>& table() {
    static std::vector<std::string> texts = [] {
        std::vector<std::string> originals;
        originals.reserve(kCount);
        for (const CatalogueEntry& entry : kEntries) {
            originals.emplace_back(entry.original);
        }
        return originals;
    }();
    return texts;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

const std::string& text(TextId id) {
    return table()[static_cast<std::size_t>(id)];
}

std::string formatText(TextId id, std::initializer_list<std::string_view> parts) {
    return fillPlaces(text(id), parts);
}

std::string fillPlaces(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    // '%', '$' and digits are never the second byte of a Shift-JIS character, so a byte scan
    // finds only real places.
    std::string out;
    out.reserve(pattern.size());
    std::size_t at = 0;
    while (at < pattern.size()) {
        const char c = pattern[at];
        if (c != '%') {
            out += c;
            ++at;
            continue;
        }
        if (pattern.substr(at, 2) == "%%") {
            out += '%';
            at += 2;
            continue;
        }
        std::size_t end = at + 1;
        std::size_t number = 0;
        while (end < pattern.size() && isDigit(pattern[end]) && number <= parts.size()) {
            number = number * 10 + static_cast<std::size_t>(pattern[end] - '0');
            ++end;
        }
        if (end > at + 1 && number >= 1 && number <= parts.size() &&
            pattern.substr(end, 2) == "$s") {
            out += parts.begin()[number - 1];
            at = end + 2;
        } else {
            out += c;
            ++at;
        }
    }
    return out;
}

void setCatalogueText(TextId id, std::string sjis) {
    table()[static_cast<std::size_t>(id)] = std::move(sjis);
}

void resetCatalogue() {
    std::vector<std::string>& texts = table();
    for (std::size_t i = 0; i < kCount; ++i) {
        texts[i] = std::string(kEntries[i].original);
    }
}

std::span<const CatalogueEntry> catalogueEntries() {
    return kEntries;
}

const CatalogueEntry& catalogueEntry(TextId id) {
    return kEntries[static_cast<std::size_t>(id)];
}
