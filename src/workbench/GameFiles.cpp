#include "workbench/GameFiles.h"

#include <algorithm>

#include "data/DataManager.h"
#include "data/ScriptLineReader.h"
#include "data/ScriptText.h"
#include "data/Utf8Script.h"
#include "files/GameFileSource.h"
#include "platform/GamePath.h"
#include "scenes/MainScene.h"
#include "ui/BackgroundWindow.h"
#include "ui/WindowImages.h"

std::vector<std::string> GameFiles::scriptPictures(const std::string& dataFile) {
    std::vector<std::string> pictures;
    std::optional<GameFileSource::File> file = GameFileSource::current().open(dataFile);
    if (!file) {
        return pictures;
    }
    // A data file saved as UTF-8 names its pictures in Shift-JIS once converted, as it loads.
    std::istream* input = file->stream.get();
    std::optional<Utf8Script> sjis;
    std::optional<std::istream> converted;
    if (Utf8Script::isUtf8(*input)) {
        sjis.emplace(*input->rdbuf());
        converted.emplace(&*sjis);
        input = &*converted;
    }
    ScriptLineReader lines(*input, DataManager::kMaxLineLength);
    std::string line;
    while (!lines.atEnd()) {
        if (!lines.next(line)) {
            break;  // the reader refuses the rest too
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const std::vector<std::string> tokens = splitScriptTokens(trimScriptLine(line));
        if (tokens.size() >= 2 && tokens[0] == "src") {
            const std::string path = gamePath(tokens[1]);
            if (std::find(pictures.begin(), pictures.end(), path) == pictures.end()) {
                pictures.push_back(path);
            }
        }
    }
    return pictures;
}

std::vector<std::string> GameFiles::list(const std::string& dataFile) {
    std::vector<std::string> files{gamePath(dataFile)};
    for (int i = 0; i < static_cast<int>(WindowPart::Count); ++i) {
        files.push_back(gamePath(WindowImages::fileName(static_cast<WindowPart>(i))));
    }
    for (const char* blink : MainScene::kBlinkFiles) {
        files.push_back(gamePath(blink));
    }
    for (const char* track : BackgroundWindow::kTrackFiles) {
        files.push_back(gamePath(track));
    }
    const std::vector<std::string> pictures = scriptPictures(dataFile);
    files.insert(files.end(), pictures.begin(), pictures.end());
    return files;
}
