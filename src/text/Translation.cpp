#include "text/Translation.h"

#include <algorithm>
#include <optional>

#include "text/Catalogue.h"
#include "text/PoFile.h"
#include "text/Utf8ToSjis.h"

namespace {

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return text;
}

// The charset named by the header's Content-Type, lower case; "" when it names none.
std::string headerCharset(const PoFile& file) {
    const std::string type = lowerCase(file.headerField("Content-Type"));
    const std::size_t at = type.find("charset=");
    if (at == std::string::npos) {
        return {};
    }
    const std::size_t start = at + 8;
    const std::size_t end = type.find_first_of("; \t", start);
    return type.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The string in Shift-JIS, or a problem at the line of the character that failed.
std::optional<std::string> toSjis(const PoString& string, const char* what,
                                  std::vector<Translation::Problem>& problems) {
    const Utf8ToSjisResult result = utf8ToSjis(string.text);
    if (!result.ok()) {
        problems.push_back({string.lineAt(result.offset),
                            std::string(what) + ": " + describeUtf8ToSjisFailure(result)});
        return std::nullopt;
    }
    return result.sjis;
}

}  // namespace

Translation Translation::fromPo(std::string_view bytes) {
    Translation translation;
    const PoFile file = PoFile::read(bytes);
    for (const PoProblem& problem : file.problems) {
        translation.problems_.push_back({problem.line, problem.message});
    }
    if (file.hasHeader) {
        const std::string charset = headerCharset(file);
        if (charset != "utf-8" && charset != "utf8") {
            translation.problems_.push_back({file.header.line,
                                             "the file must be UTF-8 (Content-Type: text/plain; "
                                             "charset=UTF-8), not \"" +
                                                 charset + "\""});
        }
    }
    for (const PoMessage& message : file.messages) {
        if (message.obsolete || message.fuzzy || message.hasContext || message.hasPlural ||
            message.translation().empty()) {
            continue;
        }
        const std::optional<std::string> original =
            toSjis(message.id, "msgid", translation.problems_);
        const std::optional<std::string> text =
            toSjis(message.strings.front(), "msgstr", translation.problems_);
        if (original && text) {
            translation.entries_.emplace(*original, Entry{*text, message.strings.front().line});
        }
    }
    std::stable_sort(translation.problems_.begin(), translation.problems_.end(),
                     [](const Problem& a, const Problem& b) { return a.line < b.line; });
    return translation;
}

void Translation::applyToCatalogue() const {
    resetCatalogue();
    for (const CatalogueEntry& entry : catalogueEntries()) {
        if (const std::string* translated = find(entry.original); translated != nullptr) {
            setCatalogueText(entry.id, *translated);
        }
    }
}

const std::string* Translation::find(std::string_view original) const {
    const auto found = entries_.find(original);
    return found == entries_.end() ? nullptr : &found->second.text;
}

std::string Translation::translate(std::string_view original) const {
    const std::string* text = find(original);
    return text != nullptr ? *text : std::string(original);
}
