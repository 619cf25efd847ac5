// The files of the game folder besides script.dat: the fixed pictures, the font coverage of
// every text, and the music.
#include <ft2build.h>
#include FT_FREETYPE_H
#include <iconv.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "GameFolder.h"
#include "data/TextEncoding.h"
#include "gfx/Image.h"
#include "gfx/ImageFile.h"
#include "platform/freetype/FreeTypeText.h"
#include "sound/Sound.h"

namespace {

struct PictureSize {
    const char* file;
    int width;
    int height;
};

bool hasHoleAndInk(const Image& image) {
    bool hole = false;
    bool ink = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            (image.pixel(x, y) == 0 ? hole : ink) = true;
        }
    }
    return hole && ink;
}

// Unicode characters of a Shift-JIS text; a character iconv cannot convert comes out as
// 0xFFFFFFFF.
std::vector<std::uint32_t> codePoints(const std::string& sjis) {
    std::vector<std::uint32_t> out;
    iconv_t cd = iconv_open("UTF-32LE", "CP932");
    std::string input = sjis;
    char* in = input.data();
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        std::uint32_t cp = 0;
        char* outPtr = reinterpret_cast<char*>(&cp);
        std::size_t outLeft = sizeof cp;
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) &&
            outLeft == sizeof cp) {
            out.push_back(0xFFFFFFFF);
            ++in, --inLeft;
            continue;
        }
        out.push_back(cp);
    }
    iconv_close(cd);
    return out;
}

std::uint32_t read32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

int read16(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

}  // namespace

using GameFiles = GameFolder;

TEST_F(GameFiles, FixedPicturesHaveTheSizesTheDrawingAssumes) {
    const PictureSize sizes[] = {
        {"image/borderlt.png", 8, 8},    {"image/bordermt.png", 8, 8},
        {"image/borderrt.png", 8, 8},    {"image/borderlm.png", 8, 8},
        {"image/borderrm.png", 8, 8},    {"image/borderlb.png", 8, 8},
        {"image/bordermb.png", 8, 8},    {"image/borderrb.png", 8, 8},
        {"image/hpfull.png", 8, 8},      {"image/hpempty.png", 8, 8},
        {"image/mpfull.png", 8, 8},      {"image/mpempty.png", 8, 8},
        {"image/cursor.png", 8, 8},      {"image/circle.png", 8, 8},
        {"image/player1.png", 16, 16},   {"image/player2.png", 16, 16},
        {"image/goddamn1.png", 224, 64}, {"image/goddamn2.png", 224, 64},
        {"image/goddamn3.png", 224, 64}, {"image/goddamn4.png", 224, 64},
        {"image/goddamn5.png", 224, 64},
    };
    for (const PictureSize& size : sizes) {
        Image image;
        ASSERT_TRUE(loadImageFile(image, size.file)) << size.file;
        EXPECT_EQ(image.width(), size.width) << size.file;
        EXPECT_EQ(image.height(), size.height) << size.file;
    }
    for (const char* file : {"image/chaosframe.png", "image/goal.png"}) {
        Image image;
        EXPECT_TRUE(loadImageFile(image, file)) << file;
    }
    // The track pictures are drawn with key colour 0: without holes they would show as boxes.
    for (const char* file :
         {"image\\player1.png", "image\\player2.png", "image\\circle.png", "image\\goal.png"}) {
        KeyColorImage image(file);
        EXPECT_TRUE(hasHoleAndInk(image)) << file;
    }
}

TEST_F(GameFiles, TheFontHasEveryCharacterOfEveryText) {
    ASSERT_TRUE(loaded_);
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&library), 0);
    const char* path = std::getenv("VK_FONT");
    if (path == nullptr || *path == '\0') {
        path = FreeTypeText::kDefaultFontPath;
    }
    ASSERT_EQ(FT_New_Face(library, path, 0, &face), 0) << "font " << path;
    std::vector<std::string> texts;
    for (CharacterState* fighter : fighters()) {
        texts.push_back(fighter->name());
        texts.push_back(fighter->description());
        for (int slot = 0; slot < 3; ++slot) {
            texts.push_back(fighter->message(slot) ? fighter->message(slot) : "");
        }
        for (int i = 0; i < fighter->specialArtCount(); ++i) {
            texts.push_back(fighter->specialArt(i)->name);
        }
    }
    texts.push_back(data_->normalAttack()->name);
    for (const std::string& text : texts) {
        for (std::uint32_t cp : codePoints(text)) {
            if (cp == '\n') {
                continue;
            }
            EXPECT_NE(cp, 0xFFFFFFFFu) << "not Shift-JIS in " << sjisToUtf8(text);
            EXPECT_NE(FT_Get_Char_Index(face, cp), 0u)
                << "no glyph for U+" << std::hex << cp << " in " << sjisToUtf8(text);
        }
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
}

TEST_F(GameFiles, MusicIsAPlainLoopingWave) {
    std::ifstream in("sound/kelmora.wav", std::ios::binary);
    ASSERT_TRUE(in);
    const std::vector<unsigned char> b{std::istreambuf_iterator<char>(in), {}};
    ASSERT_GE(b.size(), 44u);
    // RIFF, WAVE, a 16-byte fmt chunk and then at once the data chunk.
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(read32(b, 4), b.size() - 8);
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(read32(b, 16), 16u);
    EXPECT_EQ(read16(b, 20), 1);  // PCM
    EXPECT_EQ(read16(b, 22), 2);
    EXPECT_EQ(read32(b, 24), 16000u);
    EXPECT_EQ(read32(b, 28), 64000u);
    EXPECT_EQ(read16(b, 32), 4);
    EXPECT_EQ(read16(b, 34), 16);
    EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
    EXPECT_EQ(read32(b, 40), b.size() - 44);

    Sound music;
    ASSERT_TRUE(music.loadWav("sound\\kelmora.wav"));
    ASSERT_EQ(music.channels(), 2);
    EXPECT_GE(music.frames(), 45 * 16000);
    // The jump from the last frame back to the first is no bigger than the jumps the music
    // makes anyway (99th percentile), so the loop does not click.
    const std::int16_t* s = music.samples();
    const int frames = music.frames();
    for (int c = 0; c < 2; ++c) {
        std::vector<int> steps;
        for (int f = 1; f < frames; ++f) {
            steps.push_back(std::abs(s[f * 2 + c] - s[(f - 1) * 2 + c]));
        }
        std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
        const int seam = std::abs(s[c] - s[(frames - 1) * 2 + c]);
        EXPECT_LE(seam, steps[steps.size() * 99 / 100]) << "channel " << c;
    }
    // Centred on zero: a constant in the wave is energy nobody hears, and the output would
    // jump to it when the music starts.
    for (int c = 0; c < 2; ++c) {
        double sum = 0;
        double energy = 0;
        for (int f = 0; f < frames; ++f) {
            sum += s[f * 2 + c];
            energy += static_cast<double>(s[f * 2 + c]) * s[f * 2 + c];
        }
        EXPECT_LE(std::fabs(sum / frames), 0.005 * 32768) << "mean of channel " << c;
        // And still as loud as before the constant came off.
        EXPECT_GE(std::sqrt(energy / frames), 0.12 * 32768) << "RMS of channel " << c;
    }
}
