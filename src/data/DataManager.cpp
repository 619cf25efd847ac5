#include "data/DataManager.h"

#include <iostream>
#include <sstream>
#include <stdexcept>

#include "data/Animation.h"
#include "data/ScriptReader.h"
#include "data/TextEncoding.h"
#include "data/Utf8Script.h"
#include "files/GameFileSource.h"
#include "gfx/Image.h"
#include "platform/Dialogs.h"
#include "text/Catalogue.h"

DataManager::DataManager() {
    if (instance_ == nullptr) {
        instance_ = this;
    }
}

DataManager::~DataManager() {
    clear();
    if (instance_ == this) {
        instance_ = nullptr;
    }
}

DataManager* DataManager::instance() {
    return instance_;
}

const char* DataManager::errorName(int code) {
    switch (code) {
        case 0:
            return text(TextId::ErrorNone).c_str();
        case 1:
            return text(TextId::ErrorUndefined).c_str();
        case 2:
            return text(TextId::ErrorSyntax).c_str();
        case 3:
            return text(TextId::ErrorOther).c_str();
        default:
            return nullptr;
    }
}

void DataManager::makeCurrent() {
    instance_ = this;
    const auto art = specialArtTable_.find("normalAttack");
    normalAttack_ = art != specialArtTable_.end() ? art->second : nullptr;
}

void DataManager::clear() {
    // When the normal attack is one of the arts destroyed below, keeping it would leave it
    // dangling; another registry's stays.
    for (const auto& art : specialArts_) {
        if (art.get() == normalAttack_) {
            normalAttack_ = nullptr;
        }
    }
    images_.clear();
    scriptTexts_.clear();
    animations_.clear();
    specialArts_.clear();
    playerStates_.clear();
    enemyStates_.clear();
    playerDefinitions_.clear();
    enemyDefinitions_.clear();
    meState_.reset();
    // The Me definition points at arts destroyed above; a later load starts it afresh.
    meDefinition_.clear();
    imageTable_.clear();
    animationTable_.clear();
    specialArtTable_.clear();
    pictureBytes_ = 0;
    pictureDecodes_ = 0;
}

CharacterState* DataManager::playerState(int index) {
    if (index < 0 || index >= playerCount()) {
        throw std::out_of_range("player index out of range");
    }
    return playerStates_[static_cast<std::size_t>(index)].get();
}

CharacterState* DataManager::enemyState(int index) {
    if (index < 0 || index >= enemyCount()) {
        throw std::out_of_range("enemy index out of range");
    }
    return enemyStates_[static_cast<std::size_t>(index)].get();
}

bool DataManager::load(const std::string& fileName) {
    clear();
    lastError_ = LoadError{};
    imageFailures_.clear();
    openFailed_ = false;
    std::optional<GameFileSource::File> file = GameFileSource::current().open(fileName);
    if (!file) {
        openFailed_ = true;
        if (!quiet_) {
            std::cerr << sjisToUtf8(text(TextId::DataFileCannotOpen)) << ": " << fileName << '\n';
        }
        return false;
    }
    return readFrom(*file->stream);
}

bool DataManager::loadFromMemory(std::string_view bytes) {
    clear();
    lastError_ = LoadError{};
    imageFailures_.clear();
    openFailed_ = false;
    std::istringstream stream{std::string(bytes)};
    return readFrom(stream);
}

bool DataManager::readFrom(std::istream& input) {
    // A file saved as UTF-8 is read as the same text in Shift-JIS, or refused at the first
    // character Shift-JIS cannot write.
    if (Utf8Script::isUtf8(input)) {
        if (const std::optional<Utf8Script::Problem> problem = Utf8Script::findProblem(input)) {
            const std::string advice = formatText(TextId::ErrorNoShiftJisForm, {problem->what});
            fail(static_cast<int>(ErrorCode::Other), problem->line, problem->lineText,
                 advice.c_str());
            return false;
        }
        Utf8Script sjis(*input.rdbuf());
        std::istream converted(&sjis);
        return readScript(converted);
    }
    return readScript(input);
}

bool DataManager::readScript(std::istream& input) {
    ScriptReader reader(*this, input);
    int code = 0;
    try {
        reader.read();
        reportOverBudget();
        return true;
    } catch (const ScriptReader::Error& error) {
        code = static_cast<int>(error.code);
    } catch (...) {
        // Anything else (an exhausted resource, a library failure) is "any other error".
        code = static_cast<int>(ErrorCode::Other);
    }
    fail(code, reader.line(), reader.currentLine(), "");
    return false;
}

void DataManager::fail(int code, int line, const std::string& lineText, const char* advice) {
    clear();
    lastError_.code = code;
    lastError_.line = line;
    lastError_.lineText = lineText;
    const char* name = errorName(code);
    lastError_.report = formatText(TextId::ErrorReport, {std::to_string(code), name ? name : "",
                                                         std::to_string(line), lineText}) +
                        advice;
    report(lastError_);
}

void DataManager::reportOverBudget() const {
    if (quiet_) {
        return;
    }
    int count = 0;
    for (const ImageFailure& failure : imageFailures_) {
        count += failure.reason == ImageFailure::Reason::OverBudget ? 1 : 0;
    }
    if (count > 0) {
        // The game runs on without them; --check lists each with its line.
        std::cerr << "velkaros: " << count << " picture(s) left empty: together the pictures "
                  << "would pass " << pictureBudget_ / (1024 * 1024)
                  << " MB (see --check for the lines)\n";
    }
}

void DataManager::report(const LoadError& error) {
    if (quiet_) {
        return;
    }
    if (error.code == 1 || error.code == 2) {
        if (dialogs_ != nullptr) {
            dialogs_->messageBox(error.report, "");
        }
    }
    // The terminal always gets the report too, in UTF-8, so a modder sees it without a box.
    std::cerr << sjisToUtf8(error.report) << std::flush;
}
