// The drawing work of one busy frame: clear the framebuffer, tiles of a window frame,
// a few larger pictures and six lines of Japanese text.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <string>

#include "gfx/DIBImage.h"
#include "gfx/Image.h"
#include "platform/freetype/FreeTypeText.h"

namespace {

void fillPattern(Image& image, int width, int height, Pixel seed) {
    image.resize(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Every seventh pixel is the key colour, so key-colour images skip some.
            image.setPixel(x, y, (x + y) % 7 == 0 ? 0 : seed ^ static_cast<Pixel>(x * 31 + y));
        }
    }
}

void BM_FrameDraw(benchmark::State& state) {
    std::string error;
    auto text = FreeTypeText::open(error);
    if (text == nullptr) {
        state.SkipWithError(error.c_str());
        return;
    }
    Font font(text.get());
    DIBImage frame(256, 224);
    frame.selectFont(&font);

    Image tile;
    fillPattern(tile, 8, 8, 0x00336699);
    KeyColorImage cursor;
    fillPattern(cursor, 8, 8, 0x00FFCC00);
    std::array<KeyColorImage, 4> pictures;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        fillPattern(pictures[i], 96, 48, 0x00102030 * static_cast<Pixel>(i + 1));
    }
    const std::array<std::string, 6> lines = {
        "ゆうしゃの　こうげき！　ＨＰ", "まおうは　１２３　のダメージ",
        "ひっさつわざ　ほのおのつるぎ", "たたかう　にげる　ＭＰ　４５",
        "ケルモラの　まおうが　あらわ", "れた！　どうする？　ＯＫ　！",
    };

    for (auto _ : state) {
        frame.fillRect(0, 0, 0, 256, 224);
        for (int i = 0; i < 40; ++i) {
            const Image& source = i % 8 == 7 ? static_cast<const Image&>(cursor) : tile;
            source.drawTo(frame, (i % 20) * 12, 8 + (i / 20) * 180);
        }
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            pictures[i].drawTo(frame, 16 + static_cast<int>(i % 2) * 128,
                               24 + static_cast<int>(i / 2) * 56);
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            frame.setTextColor(0x00FFFFFF);
            drawText(frame, lines[i], 16, 140 + static_cast<int>(i) * 8);
        }
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FrameDraw)->Unit(benchmark::kMicrosecond);

void BM_ClearFrame(benchmark::State& state) {
    DIBImage frame(256, 224);
    for (auto _ : state) {
        frame.fillRect(0, 0, 0, 256, 224);
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ClearFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
