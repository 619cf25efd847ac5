#include "app/GameTexts.h"

#include <algorithm>
#include <map>

#include "data/DataManager.h"
#include "data/TextEncoding.h"
#include "text/Catalogue.h"
#include "text/PoString.h"

namespace {

using Kind = DataManager::ScriptTextEntry::Kind;

// The windows the data file's texts are shown in, and the pixels a line may take there.
struct TextWindow {
    std::string_view window;
    int width;
    std::string_view note;
};

TextWindow windowOf(Kind kind) {
    switch (kind) {
        case Kind::ArtName:
            return {"option window menu", 88, "special art name (menus and battle lines)"};
        case Kind::Name:
            return {"name window", 40, "fighter name, at most 10 bytes"};
        case Kind::Description:
            return {"message window", 192, "description, one line"};
        case Kind::Message:
            return {"message window", 192,
                    "battle message, lines broken with \\n, two shown at a time"};
    }
    return {"message window", 192, ""};
}

class Collector {
public:
    void add(const std::string& original, std::string place, const TextWindow& where) {
        const auto [found, isNew] = index_.emplace(original, texts_.size());
        if (isNew) {
            texts_.push_back(
                {original, {}, std::string(where.window), where.width, std::string(where.note)});
        }
        GameText& text = texts_[found->second];
        text.places.push_back(std::move(place));
        if (where.width > 0 && (text.width == 0 || where.width < text.width)) {
            text.width = where.width;
            text.window = std::string(where.window);
        }
    }

    std::vector<GameText> take() { return std::move(texts_); }

private:
    std::vector<GameText> texts_;
    std::map<std::string, std::size_t> index_;
};

}  // namespace

std::vector<GameText> collectGameTexts(const DataManager& data) {
    Collector collector;
    for (const CatalogueEntry& entry : catalogueEntries()) {
        collector.add(std::string(entry.original),
                      std::string(entry.file) + ":" + std::to_string(entry.line),
                      {entry.window, entry.width, entry.name});
    }
    for (const auto& entry : data.scriptTexts()) {
        collector.add(entry.text, "script.dat:" + std::to_string(entry.line), windowOf(entry.kind));
    }
    return collector.take();
}

void writeTemplate(const std::vector<GameText>& texts, std::ostream& out) {
    out << "# Translation template of the game's texts. Copy it to lang/LL.po (msginit or "
           "Poedit),\n"
           "# translate each msgstr, and try it with: velkaros --check --lang LL\n"
           "msgid \"\"\n"
           "msgstr \"\"\n"
           "\"Project-Id-Version: velkaros\\n\"\n"
           "\"MIME-Version: 1.0\\n\"\n"
           "\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
           "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (const GameText& text : texts) {
        out << "\n#. " << text.note << (text.note.empty() ? "" : "; ") << text.window;
        if (text.width > 0) {
            out << ", " << text.width << " px a line";
        }
        out << "\n#:";
        for (const std::string& place : text.places) {
            out << ' ' << place;
        }
        out << '\n';
        if (numberedPlaces(text.original) != 0) {
            out << "#, c-format\n";
        }
        const std::string utf8 = sjisToUtf8(text.original);
        if (utf8.find('\n') != std::string::npos) {
            // Long texts one line of the file per line of the game, as msgmerge writes them.
            out << "msgid \"\"\n";
            std::size_t start = 0;
            while (start < utf8.size()) {
                const std::size_t end = std::min(utf8.find('\n', start), utf8.size() - 1);
                out << quotePoString(std::string_view(utf8).substr(start, end - start + 1)) << '\n';
                start = end + 1;
            }
        } else {
            out << "msgid " << quotePoString(utf8) << '\n';
        }
        out << "msgstr \"\"\n";
    }
}

unsigned numberedPlaces(std::string_view text) {
    unsigned places = 0;
    for (std::size_t i = 0; i + 3 < text.size(); ++i) {
        if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '$' &&
            text[i + 3] == 's') {
            places |= 1u << (text[i + 1] - '1');
        }
    }
    return places;
}

int textLineWidth(const std::string& sjis) {
    int widest = 0;
    int width = 0;
    for (std::size_t i = 0; i < sjis.size(); ++i) {
        const auto c = static_cast<unsigned char>(sjis[i]);
        if (c == '\n' || c == '\r') {
            widest = std::max(widest, width);
            width = 0;
        } else if (c == '%' && i + 3 < sjis.size() && sjis[i + 1] >= '1' && sjis[i + 1] <= '9' &&
                   sjis[i + 2] == '$' && sjis[i + 3] == 's') {
            width += 40;
            i += 3;
        } else if ((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) {
            width += 8;
            ++i;
        } else {
            width += 4;
        }
    }
    return std::max(widest, width);
}
