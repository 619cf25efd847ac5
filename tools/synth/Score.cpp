#include "Score.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace {

std::vector<std::string> splitWords(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string word;
    while (in >> word && word[0] != '#') {  // a word starting with # opens a comment
        if (word != "|") {                  // bar lines only help the reader
            words.push_back(word);
        }
    }
    return words;
}

bool toNumber(const std::string& text, double& value) {
    try {
        size_t used = 0;
        value = std::stod(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

}  // namespace

double noteFrequency(const std::string& name, int transpose) {
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (name.size() < 2 || name[0] < 'a' || name[0] > 'g') {
        return 0;
    }
    int semitone = kSemitone[name[0] - 'a'];
    size_t i = 1;
    if (name[i] == '#') {
        ++semitone, ++i;
    } else if (name[i] == 'b' && i + 1 < name.size()) {
        --semitone, ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') {
        return 0;
    }
    const int midi = (name[i] - '0' + 1) * 12 + semitone + transpose;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

int Score::voiceIndex(const std::string& name) const {
    for (size_t i = 0; i < voices_.size(); ++i) {
        if (voices_[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// Replaces "@name" and "@name*n" with the tokens of a pattern.
bool Score::expand(const std::vector<std::string>& words, size_t first,
                   std::vector<std::string>& out, std::string& error) const {
    for (size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word[0] != '@') {
            out.push_back(word);
            continue;
        }
        const size_t star = word.find('*');
        const std::string name = word.substr(1, star == std::string::npos ? star : star - 1);
        double times = 1;
        if (star != std::string::npos && !toNumber(word.substr(star + 1), times)) {
            error = "bad repeat count in " + word;
            return false;
        }
        const auto found = patterns_.find(name);
        if (found == patterns_.end()) {
            error = "unknown pattern " + name;
            return false;
        }
        for (int n = 0; n < static_cast<int>(times); ++n) {
            out.insert(out.end(), found->second.begin(), found->second.end());
        }
    }
    return true;
}

bool Score::parseLine(const std::vector<std::string>& words, std::string& error) {
    const std::string& key = words[0];
    if (!openSection_.empty() && key != "end") {
        const int voice = voiceIndex(key);
        if (voice < 0) {
            error = "unknown voice " + key;
            return false;
        }
        return expand(words, 1, sections_[openSection_].tokens[voice], error);
    }
    double number = 0;
    if ((key == "tempo" || key == "steps") && words.size() == 2 && toNumber(words[1], number) &&
        number > 0) {
        if (key == "tempo") {
            tempo_ = number;
        } else {
            stepsPerBeat_ = static_cast<int>(number);
        }
        return true;
    }
    if (key == "voice" && words.size() >= 3) {
        ScoreVoice voice;
        voice.name = words[1];
        voice.wave = words[2];
        for (size_t i = 3; i + 1 < words.size(); i += 2) {
            if (!toNumber(words[i + 1], number)) {
                error = "bad number " + words[i + 1];
                return false;
            }
            const std::string& field = words[i];
            if (field == "vol")
                voice.volume = number / 100;
            else if (field == "pan")
                voice.pan = number / 100;
            else if (field == "attack")
                voice.attackMs = number;
            else if (field == "decay")
                voice.decayMs = number;
            else if (field == "sustain")
                voice.sustain = number / 100;
            else if (field == "release")
                voice.releaseMs = number;
            else if (field == "vibrato")
                voice.vibratoCents = number;
            else if (field == "echoes")
                voice.echoes = std::clamp(static_cast<int>(number), 0, 8);
            else if (field == "echostep")
                voice.echoSteps = number;
            else if (field == "echolevel")
                voice.echoLevel = number / 100;
            else if (field == "transpose")
                voice.transpose = static_cast<int>(number);
            else {
                error = "unknown voice setting " + field;
                return false;
            }
        }
        voices_.push_back(voice);
        return true;
    }
    if (key == "pattern" && words.size() >= 3) {
        std::vector<std::string> tokens;
        if (!expand(words, 2, tokens, error)) {
            return false;
        }
        patterns_[words[1]] = tokens;
        return true;
    }
    if (key == "section" && words.size() == 2) {
        openSection_ = words[1];
        sections_[openSection_] = Section{};
        return true;
    }
    if (key == "end" && !openSection_.empty()) {
        openSection_.clear();
        return true;
    }
    if (key == "play" && words.size() >= 2) {
        int step = totalSteps_;
        for (size_t i = 1; i < words.size(); ++i) {
            const auto found = sections_.find(words[i]);
            if (found == sections_.end()) {
                error = "unknown section " + words[i];
                return false;
            }
            if (!appendSection(found->second, step, error)) {
                error = "section " + words[i] + ": " + error;
                return false;
            }
        }
        totalSteps_ = step;
        return true;
    }
    error = "cannot read this line";
    return false;
}

// Places the notes of one section from step on; every voice must fill the same length.
bool Score::appendSection(const Section& section, int& step, std::string& error) {
    int length = -1;
    for (const auto& [voice, tokens] : section.tokens) {
        int at = step;
        for (const std::string& token : tokens) {
            const size_t colon = token.find(':');
            double steps = 1;
            if (colon != std::string::npos &&
                (!toNumber(token.substr(colon + 1), steps) || steps < 1 || steps > 256)) {
                error = "bad length in " + token + " (1 to 256 steps)";
                return false;
            }
            const std::string pitch = token.substr(0, colon);
            if (pitch != "r") {
                const ScoreVoice& v = voices_[voice];
                const bool drum = v.wave == "kick" || v.wave == "snare" || v.wave == "hat";
                const double frequency = drum ? 0 : noteFrequency(pitch, v.transpose);
                if (!drum && frequency <= 0) {
                    error = "not a note: " + token;
                    return false;
                }
                notes_.push_back({voice, at, static_cast<int>(steps), frequency});
            }
            at += static_cast<int>(steps);
        }
        if (length >= 0 && at - step != length) {
            error = "voice " + voices_[voice].name + " is " + std::to_string(at - step) +
                    " steps long, others " + std::to_string(length);
            return false;
        }
        length = at - step;
    }
    step += std::max(length, 0);
    return true;
}

bool Score::parse(const std::string& text, std::string& error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::vector<std::string> words = splitWords(line);
        if (!words.empty() && !parseLine(words, error)) {
            error = "line " + std::to_string(number) + ": " + error;
            return false;
        }
    }
    if (totalSteps_ <= 0) {
        error = "the score plays nothing (no play line)";
        return false;
    }
    // Ten minutes at most, so a slip in the tempo cannot ask for gigabytes of samples.
    if (totalSteps_ / (tempo_ * stepsPerBeat_) > 10.0) {
        error = "the piece is longer than ten minutes";
        return false;
    }
    return true;
}
