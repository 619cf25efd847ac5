// Whole frames of the real game with the shipped content (update and draw, as a shell runs
// them): the map screen that introduces a battle ground, and the battle screen waiting for a
// command. Also loading the data file with every picture it names, and one line of text.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "app/Game.h"
#include "data/DataManager.h"
#include "gfx/DIBImage.h"
#include "platform/KeySource.h"
#include "platform/freetype/FreeTypeText.h"
#include "scenes/BattleCommandScene.h"
#include "scenes/StartScene.h"

namespace {

// Holds one key down, or none (code 0).
class OneKey : public KeySource {
public:
    int key = 0;
    bool isDown(int virtualKey) const override { return virtualKey != 0 && virtualKey == key; }
};

std::unique_ptr<FreeTypeText> openText(benchmark::State& state) {
    std::filesystem::current_path(VK_GAME_DIR);
    std::string error;
    auto text = FreeTypeText::open(error);
    if (text == nullptr) {
        state.SkipWithError(error.c_str());
    }
    return text;
}

// Taps decide until the scene of type S is current; false when it never comes.
template <typename S>
bool tapUntil(Game& game, int maxFrames) {
    OneKey keys;
    for (int frame = 0; frame < maxFrames; ++frame) {
        if (dynamic_cast<const S*>(game.mainScene().currentScene) != nullptr) {
            return true;
        }
        keys.key = frame % 2 == 0 ? 0x20 : 0;
        game.frame(keys);
    }
    return false;
}

template <typename S>
void runScreen(benchmark::State& state) {
    auto text = openText(state);
    if (text == nullptr) {
        return;
    }
    Game game(text.get());
    if (!game.start(nullptr, nullptr)) {
        state.SkipWithError("script.dat did not load");
        return;
    }
    game.attachWindow(1);
    if (!tapUntil<S>(game, 2000)) {
        state.SkipWithError("the screen was never reached");
        return;
    }
    const OneKey idle;
    for (auto _ : state) {
        game.frame(idle);
        benchmark::DoNotOptimize(game.framebuffer().data());
    }
}

void BM_MapScreenFrame(benchmark::State& state) {
    runScreen<StartScene>(state);
}
BENCHMARK(BM_MapScreenFrame)->Unit(benchmark::kMicrosecond);

void BM_BattleScreenFrame(benchmark::State& state) {
    runScreen<BattleCommandScene>(state);
}
BENCHMARK(BM_BattleScreenFrame)->Unit(benchmark::kMicrosecond);

void BM_LoadScriptWithImages(benchmark::State& state) {
    auto text = openText(state);
    if (text == nullptr) {
        return;
    }
    for (auto _ : state) {
        DataManager registry;
        registry.setQuiet(true);
        if (!registry.load(Game::kDataFile)) {
            state.SkipWithError("script.dat did not load");
            return;
        }
        benchmark::DoNotOptimize(registry.imageCount());
    }
}
BENCHMARK(BM_LoadScriptWithImages)->Unit(benchmark::kMillisecond);

void BM_DrawTextLine(benchmark::State& state) {
    auto text = openText(state);
    if (text == nullptr) {
        return;
    }
    Font font(text.get());
    DIBImage frame(256, 224);
    frame.selectFont(&font);
    frame.setTextColor(0x00FFFFFF);
    const std::string line = "まおうの　こうげき！　ゆうしゃは　１２３の　ダメージ";
    for (auto _ : state) {
        drawText(frame, line, 8, 100);
        benchmark::DoNotOptimize(frame.data());
    }
}
BENCHMARK(BM_DrawTextLine)->Unit(benchmark::kMicrosecond);

}  // namespace
