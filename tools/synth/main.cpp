// vk_synth SCORE WAV: plays a score into a 16000 Hz stereo 16-bit WAV file.
#include <fstream>
#include <iostream>
#include <sstream>

#include "Score.h"
#include "Synth.h"
#include "WavFile.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: vk_synth SCORE OUTPUT.wav\n";
        return 2;
    }
    std::ifstream in(argv[1]);
    if (!in) {
        std::cerr << "vk_synth: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    Score score;
    std::string error;
    if (!score.parse(text.str(), error)) {
        std::cerr << argv[1] << ": " << error << "\n";
        return 1;
    }
    constexpr int kRate = 16000;
    const Synth synth(kRate);
    if (!writeWav(argv[2], synth.render(score), 2, kRate)) {
        std::cerr << "vk_synth: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
