#pragma once

#include <map>
#include <string>
#include <vector>

// The music as written in a .score file: voices with their sound, and the notes each voice
// plays over the whole piece, in steps (the score's smallest note length).
struct ScoreVoice {
    std::string name;
    std::string wave = "pulse50";  // pulse12, pulse25, pulse50, triangle, saw, kick, snare, hat
    double volume = 0.5;           // 0 to 1
    double pan = 0.0;              // -1 left to 1 right
    double attackMs = 5;
    double decayMs = 80;
    double sustain = 0.7;  // level held after the decay, 0 to 1
    double releaseMs = 60;
    double vibratoCents = 0;
    int echoes = 0;           // delayed copies of every note, each quieter, panned across
    double echoSteps = 3;     // delay of each echo in steps
    double echoLevel = 0.35;  // loudness of the first echo
    int transpose = 0;        // semitones
};

struct ScoreNote {
    int voice = 0;
    int startStep = 0;
    int steps = 1;
    double frequency = 0;  // 0 for drum hits
};

class Score {
public:
    // Reads the score; false with a message naming the line on any mistake.
    bool parse(const std::string& text, std::string& error);

    double tempo() const { return tempo_; }
    int stepsPerBeat() const { return stepsPerBeat_; }
    int totalSteps() const { return totalSteps_; }
    const std::vector<ScoreVoice>& voices() const { return voices_; }
    const std::vector<ScoreNote>& notes() const { return notes_; }

private:
    struct Section {
        std::map<int, std::vector<std::string>> tokens;  // voice index -> note tokens
    };
    bool parseLine(const std::vector<std::string>& words, std::string& error);
    bool appendSection(const Section& section, int& step, std::string& error);
    bool expand(const std::vector<std::string>& words, size_t first, std::vector<std::string>& out,
                std::string& error) const;
    int voiceIndex(const std::string& name) const;

    double tempo_ = 120;
    int stepsPerBeat_ = 4;
    int totalSteps_ = 0;
    std::vector<ScoreVoice> voices_;
    std::vector<ScoreNote> notes_;
    std::map<std::string, std::vector<std::string>> patterns_;
    std::map<std::string, Section> sections_;
    std::string openSection_;
};

// Frequency of a note name such as "a4" (440 Hz), "c#5" or "bb3"; 0 when it is not a note.
double noteFrequency(const std::string& name, int transpose);
