#include "text/Catalogue.h"

#include <vector>

#include "text/Utf8ToSjis.h"

namespace {

// An entry as Texts.def writes it.
struct Written {
    TextId id;
    std::string_view name;
    std::string_view utf8;
    int line;
    std::string_view window;
    int width;
};

constexpr Written kWritten[] = {
#define VK_TEXT(id, window, width, ...) {TextId::id, #id, __VA_ARGS__, __LINE__, window, width},
#include "text/Texts.def"
#undef VK_TEXT
};
constexpr std::size_t kCount = std::size(kWritten);

// The originals in Shift-JIS, the entries pointing at them, and the texts the game shows.
struct Table {
    std::vector<std::string> originals;
    std::vector<CatalogueEntry> entries;
    std::vector<std::string> texts;

    Table() {
        originals.reserve(kCount);
        for (const Written& written : kWritten) {
            Utf8ToSjisResult converted = utf8ToSjis(written.utf8);
            // Every text of Texts.def has a Shift-JIS form (the catalogue's test checks), so
            // the fallback never shows.
            originals.push_back(converted.ok() ? std::move(converted.sjis)
                                               : std::string(written.utf8));
        }
        entries.reserve(kCount);
        for (std::size_t i = 0; i < kCount; ++i) {
            const Written& written = kWritten[i];
            entries.push_back({written.id, written.name, written.utf8, originals[i],
                               "src/text/Texts.def", written.line, written.window, written.width});
        }
        texts = originals;
    }
};

Table& table() {
    static Table instance;
    return instance;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

const std::string& text(TextId id) {
    return table().texts[static_cast<std::size_t>(id)];
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
    table().texts[static_cast<std::size_t>(id)] = std::move(sjis);
}

void resetCatalogue() {
    Table& instance = table();
    instance.texts = instance.originals;
}

std::span<const CatalogueEntry> catalogueEntries() {
    return table().entries;
}

const CatalogueEntry& catalogueEntry(TextId id) {
    return table().entries[static_cast<std::size_t>(id)];
}
