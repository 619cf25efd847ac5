#include "text/PoFile.h"

#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace {

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> splitAt(std::string_view text, std::string_view separators) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::string_view part = trimBlanks(text.substr(start, end - start));
        if (!part.empty()) {
            parts.emplace_back(part);
        }
        start = end + 1;
    }
    return parts;
}

// Reads the lines into a PoFile. An entry grows keyword by keyword; a blank line, a comment
// after a msgstr, or a new msgctxt or msgid after one ends it.
class PoParser {
public:
    explicit PoParser(PoFile& file) : file_(file) {}

    void read(std::string_view bytes) {
        if (bytes.starts_with("\xEF\xBB\xBF")) {
            bytes.remove_prefix(3);
        }
        int lineNumber = 0;
        std::size_t start = 0;
        while (start < bytes.size() && file_.problems.size() < PoFile::kMaxProblems) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) {
                end = bytes.size();
            }
            line_ = ++lineNumber;
            readLine(trimBlanks(bytes.substr(start, end - start)));
            start = end + 1;
        }
        finishEntry();
    }

private:
    enum class Target { None, Context, Id, Plural, String };

    void readLine(std::string_view line) {
        if (line.empty()) {
            finishEntry();
            skipping_ = false;
            return;
        }
        if (skipping_) {
            return;
        }
        bool obsoleteLine = false;
        if (line.starts_with("#~")) {
            line = trimBlanks(line.substr(2));
            if (line.starts_with("|")) {
                return;  // an obsolete entry's previous msgid
            }
            obsoleteLine = true;
        } else if (line.starts_with("#")) {
            readComment(line);
            return;
        }
        if (line.empty()) {
            return;
        }
        if (line[0] == '"') {
            appendPiece(line);
            return;
        }
        readKeyword(line, obsoleteLine);
    }

    void readComment(std::string_view line) {
        if (!entry_.strings.empty()) {
            finishEntry();
        }
        startEntry();
        if (line.starts_with("#,")) {
            for (const std::string& flag : splitAt(line.substr(2), ",")) {
                entry_.fuzzy = entry_.fuzzy || flag == "fuzzy";
            }
        } else if (line.starts_with("#:")) {
            for (std::string& place : splitAt(line.substr(2), " \t")) {
                entry_.references.push_back(std::move(place));
            }
        }
    }

    void readKeyword(std::string_view line, bool obsoleteLine) {
        const std::size_t space = line.find_first_of(" \t\"");
        const std::string_view keyword = line.substr(0, space);
        const std::string_view rest =
            space == std::string_view::npos ? std::string_view{} : trimBlanks(line.substr(space));
        if (keyword == "msgctxt" || keyword == "msgid") {
            if (!entry_.strings.empty()) {
                finishEntry();
            }
            startEntry();
            if (hasId_ || (keyword == "msgctxt" && entry_.hasContext)) {
                return fail(std::string(keyword) + " where a msgstr was expected");
            }
        } else if (!hasId_) {
            return fail("a " + std::string(keyword) + " without msgid");
        }
        entry_.obsolete = entry_.obsolete || obsoleteLine;
        if (keyword == "msgctxt") {
            entry_.hasContext = true;
            startString(entry_.context, Target::Context, rest);
        } else if (keyword == "msgid") {
            hasId_ = true;
            startString(entry_.id, Target::Id, rest);
        } else if (keyword == "msgid_plural") {
            if (entry_.hasPlural || !entry_.strings.empty()) {
                return fail("msgid_plural out of place");
            }
            entry_.hasPlural = true;
            startString(entry_.idPlural, Target::Plural, rest);
        } else if (keyword == "msgstr") {
            if (entry_.hasPlural || !entry_.strings.empty()) {
                return fail(entry_.hasPlural ? "a plural entry needs msgstr[0], msgstr[1]..."
                                             : "a second msgstr");
            }
            entry_.strings.emplace_back();
            startString(entry_.strings.back(), Target::String, rest);
        } else if (keyword.starts_with("msgstr[")) {
            readPluralString(keyword, rest);
        } else {
            fail("unknown keyword " + std::string(keyword.substr(0, 20)));
        }
    }

    void readPluralString(std::string_view keyword, std::string_view rest) {
        const std::string expected = "msgstr[" + std::to_string(entry_.strings.size()) + "]";
        if (!entry_.hasPlural) {
            return fail("msgstr[N] in an entry without msgid_plural");
        }
        if (keyword != expected) {
            return fail("expected " + expected);
        }
        if (entry_.strings.size() >= PoFile::kMaxPluralForms) {
            return fail("more than " + std::to_string(PoFile::kMaxPluralForms) + " plural forms");
        }
        entry_.strings.emplace_back();
        startString(entry_.strings.back(), Target::String, rest);
    }

    void startString(PoString& string, Target target, std::string_view rest) {
        string.line = line_;
        target_ = target;
        appendPiece(rest);
    }

    PoString* targetString() {
        switch (target_) {
            case Target::Context:
                return &entry_.context;
            case Target::Id:
                return &entry_.id;
            case Target::Plural:
                return &entry_.idPlural;
            case Target::String:
                return &entry_.strings.back();
            case Target::None:
                return nullptr;
        }
        return nullptr;
    }

    void appendPiece(std::string_view quoted) {
        PoString* string = targetString();
        if (string == nullptr) {
            return fail("a string outside any keyword");
        }
        std::string error;
        const std::optional<std::string> piece = unquotePoString(quoted, error);
        if (!piece) {
            return fail(error);
        }
        if (piece->size() > PoFile::kMaxStringBytes - string->text.size()) {
            return fail("a string longer than " + std::to_string(PoFile::kMaxStringBytes) +
                        " bytes");
        }
        if (!piece->empty()) {
            string->pieces.emplace_back(string->text.size(), line_);
            string->text += *piece;
        }
    }

    void startEntry() {
        if (!open_) {
            open_ = true;
            entry_.line = line_;
        }
    }

    void problem(int line, std::string message) {
        if (file_.problems.size() < PoFile::kMaxProblems) {
            file_.problems.push_back({line, std::move(message)});
        }
    }

    void fail(std::string message) {
        problem(line_, std::move(message));
        entry_ = PoMessage{};
        open_ = hasId_ = false;
        target_ = Target::None;
        skipping_ = true;
    }

    void finishEntry() {
        if (!open_ && !hasId_) {
            return;
        }
        PoMessage entry = std::exchange(entry_, PoMessage{});
        const bool hadId = std::exchange(hasId_, false);
        open_ = false;
        target_ = Target::None;
        if (!hadId) {
            return;  // comments alone
        }
        if (entry.strings.empty()) {
            problem(entry.id.line, "an entry without msgstr");
            return;
        }
        if (entry.id.text.empty() && !entry.hasContext) {
            if (!entry.obsolete) {
                storeHeader(std::move(entry));
            }
            return;
        }
        if (!entry.obsolete &&
            !seen_.emplace(entry.hasContext, entry.context.text, entry.id.text).second) {
            problem(entry.id.line, "the msgid of an earlier entry again");
            return;
        }
        if (file_.messages.size() >= PoFile::kMaxMessages) {
            problem(entry.line, "more than " + std::to_string(PoFile::kMaxMessages) + " messages");
            return;
        }
        file_.messages.push_back(std::move(entry));
    }

    void storeHeader(PoMessage entry) {
        if (file_.hasHeader) {
            problem(entry.id.line, "a second header");
            return;
        }
        file_.hasHeader = true;
        file_.header = std::move(entry);
    }

    PoFile& file_;
    PoMessage entry_;
    int line_ = 0;
    bool open_ = false;      // an entry has begun (a comment or a keyword)
    bool hasId_ = false;     // and has its msgid
    bool skipping_ = false;  // after a problem, up to the next blank line
    Target target_ = Target::None;
    std::set<std::tuple<bool, std::string, std::string>> seen_;
};

}  // namespace

const std::string& PoMessage::translation() const {
    static const std::string none;
    return strings.empty() ? none : strings.front().text;
}

PoFile PoFile::read(std::string_view bytes) {
    PoFile file;
    if (bytes.size() > kMaxFileBytes) {
        file.problems.push_back(
            {1, "the file is larger than " + std::to_string(kMaxFileBytes) + " bytes"});
        return file;
    }
    PoParser(file).read(bytes);
    return file;
}

std::string PoFile::headerField(std::string_view name) const {
    const std::string& text = header.translation();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string_view line = std::string_view(text).substr(start, end - start);
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && trimBlanks(line.substr(0, colon)) == name) {
            return std::string(trimBlanks(line.substr(colon + 1)));
        }
        start = end + 1;
    }
    return {};
}
