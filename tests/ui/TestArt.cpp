#include "TestArt.h"

#include <string>

#include "gfx/Image.h"
#include "gfx/ImageSave.h"

namespace {

constexpr Pixel kFrameDark = 0x203050;
constexpr Pixel kFrameLight = 0xE0E8FF;
constexpr Pixel kFill = 0xFFBF9F;

// Draws rows of characters: '#' dark, '+' light, '.' fill, ' ' black (a hole for key-colour
// pictures), and other letters from a small palette.
Pixel colorOf(char c) {
    switch (c) {
        case '#':
            return kFrameDark;
        case '+':
            return kFrameLight;
        case '.':
            return kFill;
        case 'r':
            return 0xD02020;
        case 'R':
            return 0x601010;
        case 'b':
            return 0x2060E0;
        case 'B':
            return 0x102060;
        case 'g':
            return 0x707070;
        case 'y':
            return 0xF0D020;
        case 'p':
            return 0xF070A0;
        case 'w':
            return 0xFFFFFF;
        default:
            return 0;
    }
}

bool write(const char* name, std::initializer_list<const char*> rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(std::string(*rows.begin()).size());
    Image picture;
    picture.resize(width, height);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < width; ++x) {
            picture.setPixel(x, y, colorOf(row[x]));
        }
        ++y;
    }
    return savePng(picture, std::string("image/") + name + ".png");
}

}  // namespace

bool writeTestArt() {
    bool ok = true;
    ok &= write("borderlt", {"  ######", " #++++++", "#++#####", "#+#.....", "#+#.....", "#+#.....",
                             "#+#.....", "#+#....."});
    ok &= write("bordermt", {"########", "++++++++", "########", "........", "........", "........",
                             "........", "........"});
    ok &= write("borderrt", {"######  ", "++++++# ", "#####++#", ".....#+#", ".....#+#", ".....#+#",
                             ".....#+#", ".....#+#"});
    ok &= write("borderlm", {"#+#.....", "#+#.....", "#+#.....", "#+#.....", "#+#.....", "#+#.....",
                             "#+#.....", "#+#....."});
    ok &= write("borderrm", {".....#+#", ".....#+#", ".....#+#", ".....#+#", ".....#+#", ".....#+#",
                             ".....#+#", ".....#+#"});
    ok &= write("borderlb", {"#+#.....", "#+#.....", "#+#.....", "#+#.....", "#+#.....", "#++#####",
                             " #++++++", "  ######"});
    ok &= write("bordermb", {"........", "........", "........", "........", "........", "########",
                             "++++++++", "########"});
    ok &= write("borderrb", {".....#+#", ".....#+#", ".....#+#", ".....#+#", ".....#+#", "#####++#",
                             "++++++# ", "######  "});
    ok &= write("chaosframe",
                {"################", "#..pp......pp..#", "#.pppp....pppp.#", "#.ppppp..ppppp.#",
                 "#..pppppppppp..#", "#....pppppp....#", "#......pp......#", "################"});
    ok &= write("hpfull", {"RRRRRRRR", "rrrrrrrr", "rrwrrrrr", "rrrrrrrr", "rrrrrrrr", "rrrrrrrr",
                           "RRRRRRRR", "........"});
    ok &= write("hpempty", {"RRRRRRRR", "gggggggg", "gggggggg", "gggggggg", "gggggggg", "gggggggg",
                            "RRRRRRRR", "........"});
    ok &= write("mpfull", {"BBBBBBBB", "bbbbbbbb", "bbwbbbbb", "bbbbbbbb", "bbbbbbbb", "bbbbbbbb",
                           "BBBBBBBB", "........"});
    ok &= write("mpempty", {"BBBBBBBB", "gggggggg", "gggggggg", "gggggggg", "gggggggg", "gggggggg",
                            "BBBBBBBB", "........"});
    ok &= write("cursor", {"........", ".#......", ".##.....", ".###....", ".####...", ".###....",
                           ".##.....", ".#......"});
    ok &= write("circle", {"  ####  ", " #yyyy# ", "#yy  yy#", "#y    y#", "#y    y#", "#yy  yy#",
                           " #yyyy# ", "  ####  "});
    ok &= write("goal",
                {"#yyyyyyy        ", "#yyyyyyyyyyyy   ", "#yyyyyyyyyyyyyy ", "#yyyyyyyyyyyy   ",
                 "#yyyyyyy        ", "#               ", "#               ", "###             "});
    ok &= write("player1", {"  ww    ", "  ww    ", " bbbb   ", "w bb w  ", "  bb    ", "  BB    ",
                            " B  B   ", " B  B   "});
    ok &= write("player2", {"  ww    ", "  ww    ", " bbbb   ", "w bb w  ", "  bb    ", "  BB    ",
                            "  BB    ", "  BB    "});
    return ok;
}
