#include "platform/web/WebFacts.h"

#include <cstdio>
#include <vector>

#include "app/Game.h"
#include "data/CharacterState.h"
#include "data/DataManager.h"
#include "data/TextEncoding.h"
#include "workbench/GameFiles.h"

namespace {

void appendString(std::string& json, const std::string& text) {
    json += '"';
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            json += escaped;
        } else {
            json += c;
        }
    }
    json += '"';
}

void appendList(std::string& json, const char* name, const std::vector<std::string>& items) {
    json += '"';
    json += name;
    json += "\":[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            json += ',';
        }
        appendString(json, items[i]);
    }
    json += ']';
}

}  // namespace

namespace WebFacts {

std::string describe(DataManager* data) {
    std::vector<std::string> grounds;
    std::vector<std::string> heroes;
    if (data != nullptr) {
        for (int i = 0; i < data->enemyCount(); ++i) {
            grounds.push_back(sjisToUtf8(data->enemyState(i)->name()));
        }
        for (int i = 0; i < data->playerCount(); ++i) {
            heroes.push_back(sjisToUtf8(data->playerState(i)->name()));
        }
    }
    // Every file a load reads but the data file itself, which comes first.
    std::vector<std::string> pictures = GameFiles::list(Game::kDataFile);
    pictures.erase(pictures.begin());
    for (std::string& picture : pictures) {
        picture = sjisToUtf8(picture);
    }
    std::string json = "{";
    appendList(json, "grounds", grounds);
    json += ',';
    appendList(json, "heroes", heroes);
    json += ',';
    appendList(json, "pictures", pictures);
    json += '}';
    return json;
}

}  // namespace WebFacts
