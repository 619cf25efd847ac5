#include "workbench/Workbench.h"

#include <algorithm>

#include "app/Game.h"
#include "files/GameFileSource.h"
#include "platform/Dialogs.h"
#include "workbench/BattleStart.h"
#include "workbench/GameFiles.h"
#include "workbench/Preview.h"

Workbench::Workbench(Game& game, const Options& options, Dialogs* dialogs, std::ostream& log)
    : game_(game), options_(options), dialogs_(dialogs), log_(log) {}

Workbench::~Workbench() = default;

bool Workbench::checkStart(std::string& error) const {
    return BattleStart::check(game_.data(), options_.start, error);
}

void Workbench::begin() {
    if (options_.preview) {
        preview_ = std::make_unique<Preview>(game_.data());
    } else if (options_.start.chosen()) {
        beginPlay(options_.start.groundIndex());
    }
    watchFiles();
}

void Workbench::beginPlay(int ground) {
    if (options_.start.chosen()) {
        if (!BattleStart::begin(game_, options_.start)) {
            log_ << "velkaros: the battle test did not reach the battle\n";
        }
    } else {
        BattleStart::beginAtGround(game_, ground);
    }
}

void Workbench::frame(const KeySource& keys) {
    if (preview_) {
        preview_->frame(game_.input(), keys, game_.framebuffer());
    } else {
        game_.frame(keys);
    }
}

bool Workbench::poll(std::uint32_t milliseconds) {
    if (!options_.watch) {
        return false;
    }
    // Differences on the wrapping clock, as the frame schedule takes them.
    if (looked_ && milliseconds - lastLook_ < kWatchPeriod) {
        return false;
    }
    looked_ = true;
    lastLook_ = milliseconds;
    if (!watch_.changed()) {
        return false;
    }
    reloadNow();
    return true;
}

bool Workbench::reload() {
    // What is read now is what the next look compares with, so it does not reload again.
    if (options_.watch) {
        watch_.changed();
    }
    return reloadNow();
}

bool Workbench::reloadNow() {
    // The ground the player is at, at most "all won" for the new data.
    const int ground = game_.sceneGlobals().battleGround;
    // A mod zip is read again first; a broken one keeps the files and the game it had.
    std::string error;
    if (!GameFileSource::current().rereadMod(error)) {
        error += "; the game goes on with the data it had";
        log_ << "velkaros: " << error << '\n';
        if (dialogs_ != nullptr) {
            dialogs_->messageBox(error, "");
        }
        return false;
    }
    std::unique_ptr<GameWorld> fresh = game_.loadWorld(dialogs_);
    // A file the new data names is watched from now on, also when it did not load.
    watchFiles();
    if (!fresh) {
        log_ << "velkaros: " << Game::kDataFile << " did not load; the game goes on with the "
             << "data it had\n";
        return false;
    }
    if (!BattleStart::check(fresh->data, options_.start, error)) {
        error += "; the game goes on with the data it had";
        log_ << "velkaros: " << error << '\n';
        if (dialogs_ != nullptr) {
            dialogs_->messageBox(error, "");
        }
        return false;
    }
    const int enemies = fresh->data.enemyCount();
    game_.replaceWorld(std::move(fresh));
    if (preview_) {
        preview_->attach(game_.data());
    } else {
        beginPlay(std::clamp(ground, 0, enemies));
    }
    if (game_.reloadMusicIfChanged()) {
        log_ << "velkaros: read " << Game::kDataFile << ", its pictures and the music again\n";
    } else {
        log_ << "velkaros: read " << Game::kDataFile << " and its pictures again\n";
    }
    return true;
}

bool Workbench::quitRequested() const {
    return preview_ && preview_->quitRequested();
}

void Workbench::watchFiles() {
    if (options_.watch) {
        std::vector<std::string> files = GameFiles::list(Game::kDataFile);
        files.emplace_back(Game::kMusicFile);
        watch_.setFiles(GameFileSource::current().watchPaths(files));
    }
}
