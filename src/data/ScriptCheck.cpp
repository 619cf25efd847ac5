#include "data/ScriptCheck.h"

#include "data/DataManager.h"
#include "data/TextEncoding.h"
#include "text/Catalogue.h"

namespace {

const char* kindName(int kind) {
    switch (kind) {
        case 1:
            return "ConstVelocity";
        case 2:
            return "Serial";
        default:
            return "Still";
    }
}

void printCharacter(std::ostream& out, int number, CharacterState& state) {
    out << "  " << number << ". " << sjisToUtf8(state.name()) << "  HP " << state.maxHP() << "  MP "
        << state.maxMP();
    if (state.specialArtCount() > 0) {
        out << "  arts:";
        for (int i = 0; i < state.specialArtCount(); ++i) {
            out << ' ' << sjisToUtf8(state.specialArt(i)->name);
        }
    }
    out << '\n';
}

// Pictures left empty: files that could not be read, then pictures over the budget, each
// with its line.
void printFailures(std::ostream& out, const DataManager& data) {
    using Reason = DataManager::ImageFailure::Reason;
    for (const Reason reason : {Reason::Unreadable, Reason::OverBudget}) {
        std::size_t count = 0;
        for (const auto& failure : data.imageFailures()) {
            count += failure.reason == reason ? 1 : 0;
        }
        if (count == 0) {
            continue;
        }
        if (reason == Reason::Unreadable) {
            out << "Image files that could not be read: " << count << '\n';
        } else {
            out << "Pictures left empty, over the budget of "
                << data.pictureBudget() / (1024 * 1024)
                << " MB of decoded pictures (faces count twice, with their gray copy): " << count
                << '\n';
        }
        for (const auto& failure : data.imageFailures()) {
            if (failure.reason == reason) {
                out << "  line " << failure.line << ": " << (failure.face ? "faceImage " : "")
                    << sjisToUtf8(failure.path) << '\n';
            }
        }
    }
}

void printSummary(std::ostream& out, const std::string& fileName, DataManager& data) {
    out << fileName << ": OK\n";
    out << "Heroes: " << data.playerCount() << '\n';
    for (int i = 0; i < data.playerCount(); ++i) {
        printCharacter(out, i + 1, *data.playerState(i));
    }
    out << "Enemies, in battle-ground order: " << data.enemyCount() << '\n';
    for (int i = 0; i < data.enemyCount(); ++i) {
        printCharacter(out, i + 1, *data.enemyState(i));
    }
    if (data.meState() != nullptr) {
        out << "Me:\n";
        printCharacter(out, 1, *data.meState());
    } else {
        out << "Me: none (the game needs a Me block)\n";
    }
    out << "Special arts: " << data.specialArtCount() << '\n';
    for (const auto& [name, art] : data.specialArtTable()) {
        out << "  " << sjisToUtf8(name) << "  \"" << sjisToUtf8(art->name) << "\"  strength "
            << art->strength << "  MP " << art->consumeMP << "  HP " << art->consumeHP << '\n';
    }
    out << "Animations: " << data.animationCount() << '\n';
    for (const auto& [name, entry] : data.animationTable()) {
        if (entry.animation != nullptr) {
            out << "  " << sjisToUtf8(name) << "  " << kindName(entry.kind) << '\n';
        }
    }
    out << "Images: " << data.imageCount() << '\n';
    for (const auto& [name, image] : data.imageTable()) {
        if (image != nullptr) {
            out << "  " << sjisToUtf8(name) << "  " << image->width() << "x" << image->height()
                << '\n';
        }
    }
    constexpr long long kMegabyte = 1024 * 1024;
    out << "Decoded pictures: " << data.pictureDecodes() << " files, "
        << (data.pictureBytes() + kMegabyte - 1) / kMegabyte << " MB of the "
        << data.pictureBudget() / kMegabyte << " MB budget, faces included\n";
    printFailures(out, data);
}

}  // namespace

int runScriptCheck(const std::string& fileName, std::ostream& out) {
    DataManager data;
    data.setQuiet(true);
    if (!data.load(fileName)) {
        if (data.openFailed()) {
            out << sjisToUtf8(text(TextId::DataFileCannotOpen)) << ": " << fileName << '\n';
        } else {
            out << sjisToUtf8(data.lastError().report);
        }
        return 1;
    }
    printSummary(out, fileName, data);
    return 0;
}
