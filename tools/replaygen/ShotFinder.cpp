#include "replaygen/ShotFinder.h"

#include <memory>

#include "app/Game.h"
#include "app/ReplayKeySource.h"
#include "platform/headless/StderrDialogs.h"
#include "scenes/SceneSet.h"

namespace {

template <typename SceneType>
bool is(const Scene* scene) {
    return dynamic_cast<const SceneType*>(scene) != nullptr;
}

ShotFinder::SceneKind kindOf(const Scene* scene) {
    using Kind = ShotFinder::SceneKind;
    if (is<StartScene>(scene))
        return Kind::Start;
    if (is<StartSelectScene>(scene))
        return Kind::StartSelect;
    if (is<CharacterSelectScene>(scene))
        return Kind::Select;
    if (is<CharacterConfirmScene>(scene))
        return Kind::Confirm;
    if (is<BattleStartScene>(scene))
        return Kind::BattleStart;
    if (is<BattleCommandScene>(scene))
        return Kind::Command;
    if (is<BattleDemoScene>(scene))
        return Kind::Demo;
    if (is<WinScene>(scene))
        return Kind::Win;
    if (is<EndScene>(scene))
        return Kind::End;
    if (is<GameOverScene>(scene))
        return Kind::GameOver;
    return Kind::None;
}

}  // namespace

bool ShotFinder::play(const Replay& replay, std::string& error) {
    views_.clear();
    StderrDialogs dialogs;
    auto game = std::make_unique<Game>(nullptr);
    if (!game->start(&dialogs, nullptr)) {
        error = "script.dat did not load";
        return false;
    }
    game->attachWindow(replay.seed);
    ReplayKeySource keys(replay);
    for (int frame = 1; frame <= replay.length(); ++frame) {
        keys.beginFrame(frame, game->input());
        game->frame(keys);
        const MainScene& screen = game->mainScene();
        View view;
        view.scene = kindOf(screen.currentScene);
        for (const std::string& line : screen.messageWindow.lines) {
            view.message += line + "\n";
        }
        view.heroAnimating = screen.heroPicture.animate && screen.heroPicture.animation != nullptr;
        views_.push_back(std::move(view));
    }
    game->stop();
    return true;
}

int ShotFinder::firstFrameOf(SceneKind scene, int from) const {
    for (int frame = std::max(from, 1); frame <= static_cast<int>(views_.size()); ++frame) {
        if (at(frame).scene == scene) {
            return frame;
        }
    }
    return 0;
}

int ShotFinder::firstFrameSaying(const std::string& text, int from) const {
    for (int frame = std::max(from, 1); frame <= static_cast<int>(views_.size()); ++frame) {
        if (at(frame).message.find(text) != std::string::npos) {
            return frame;
        }
    }
    return 0;
}

int ShotFinder::defeatLineFrame(bool lastBattle) const {
    int found = 0;
    for (int frame = 2; frame <= static_cast<int>(views_.size()); ++frame) {
        const SceneKind before = at(frame - 1).scene;
        const SceneKind now = at(frame).scene;
        if (before == SceneKind::Demo && now != SceneKind::Demo && now != SceneKind::Command) {
            // Back to the first frame that showed the battle's last line.
            int first = frame - 1;
            while (first > 1 && at(first - 1).scene == SceneKind::Demo &&
                   at(first - 1).message == at(frame - 1).message) {
                --first;
            }
            found = first;
            if (!lastBattle) {
                break;
            }
        }
    }
    return found;
}

int ShotFinder::settled(const Replay& replay, int frame) const {
    for (const Replay::Entry& entry : replay.entries) {
        if (entry.frame > frame && entry.kind == Replay::Kind::Keys && entry.keys.any()) {
            return entry.frame - 1;
        }
    }
    return frame;
}
