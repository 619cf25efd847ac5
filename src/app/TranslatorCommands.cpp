#include "app/TranslatorCommands.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <utility>

#include "app/GameTexts.h"
#include "app/LanguageFiles.h"
#include "data/DataManager.h"
#include "data/TextEncoding.h"
#include "text/PoFile.h"
#include "text/Translation.h"
#include "text/Utf8ToSjis.h"

namespace {

// The findings, printed in the order of the PO file's lines.
class Report {
public:
    std::ostream& at(int line) {
        findings_.push_back({line, std::make_unique<std::ostringstream>()});
        return *findings_.back().second;
    }
    void print(std::ostream& out, const std::string& file) {
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (const auto& [line, text] : findings_) {
            out << file << ':' << line << ": " << text->str();
        }
    }
    int count() const { return static_cast<int>(findings_.size()); }

private:
    std::vector<std::pair<int, std::unique_ptr<std::ostringstream>>> findings_;
};

// Loads the data file for its texts only; false, with the report on err, when it fails.
bool loadTexts(DataManager& data, const std::string& dataFile, std::ostream& err) {
    data.setQuiet(true);
    data.setLoadImages(false);
    if (!data.load(dataFile)) {
        if (data.openFailed()) {
            err << "velkaros: cannot open " << dataFile << '\n';
        } else {
            err << dataFile << " does not load: " << sjisToUtf8(data.lastError().report) << '\n';
        }
        return false;
    }
    return true;
}

}  // namespace

int runTemplate(const std::string& dataFile, const std::string& fileName, std::ostream& out,
                std::ostream& err) {
    DataManager data;
    if (!loadTexts(data, dataFile, err)) {
        return 1;
    }
    const std::vector<GameText> texts = collectGameTexts(data);
    if (fileName.empty()) {
        writeTemplate(texts, out);
        return out ? 0 : 1;
    }
    std::ofstream file(fileName, std::ios::binary);
    writeTemplate(texts, file);
    file.close();
    if (!file) {
        err << "velkaros: cannot write the template to " << fileName << '\n';
        return 1;
    }
    return 0;
}

int runTranslationCheck(const std::string& dataFile, const std::string& code, std::ostream& out) {
    Translation translation;
    std::string error;
    if (!loadLanguage(code, translation, error)) {
        out << "velkaros: " << error << '\n';
        return 1;
    }
    DataManager data;
    if (!loadTexts(data, dataFile, out)) {
        return 1;
    }
    Report report;
    for (const Translation::Problem& problem : translation.problems()) {
        report.at(problem.line) << problem.message << '\n';
    }
    const std::vector<GameText> texts = collectGameTexts(data);
    std::map<std::string, const GameText*> byOriginal;
    int untranslated = 0;
    for (const GameText& text : texts) {
        byOriginal.emplace(text.original, &text);
        const auto found = translation.entries().find(text.original);
        if (found == translation.entries().end()) {
            ++untranslated;
            continue;
        }
        const std::string& translated = found->second.text;
        const int width = textLineWidth(translated);
        if (text.width > 0 && width > text.width) {
            report.at(found->second.line)
                << '"' << sjisToUtf8(translated) << "\" is " << width << " px wide; the "
                << text.window << " shows " << text.width << " px\n";
        }
        if (numberedPlaces(translated) != numberedPlaces(text.original)) {
            report.at(found->second.line) << "the translation's numbered places (%1$s...) differ "
                                             "from the original's\n";
        }
    }
    // Entries the game has no text for: read from the file itself, so untranslated and fuzzy
    // entries count too.
    std::string bytes;
    const PoFile po = readLanguageFile(code, bytes) ? PoFile::read(bytes) : PoFile{};
    for (const PoMessage& message : po.messages) {
        const Utf8ToSjisResult original = utf8ToSjis(message.id.text);
        if (message.obsolete || message.hasContext || !original.ok()) {
            continue;
        }
        if (byOriginal.find(original.sjis) == byOriginal.end()) {
            report.at(message.id.line)
                << "msgid \"" << message.id.text << "\" is no text of the game\n";
        }
    }
    const std::string file = languageFilePath(code);
    report.print(out, file);
    out << file << ": " << report.count() << " problems; " << untranslated << " of " << texts.size()
        << " texts untranslated\n";
    return report.count() == 0 ? 0 : 1;
}
