#pragma once

#include <bitset>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "app/StartPoint.h"

// A recorded session: the seed of the random generator and every change of the input, frame
// by frame. Frames count the calls of the per-frame step from 1, the same way in the window
// and without one, so a replay does not depend on how fast the frames came.
//
// The text form, one statement a line ('#' starts a comment line, blank lines are skipped):
//
//     velkaros-replay 1 seed 12345     the first line: format version and seed
//     velkaros-replay 2 seed 7 ground 3 hero 2
//                                      ... of a battle test (--ground, --hero): version 2
//     120 keys 0x20,0x26               from frame 120 on exactly these keys are down
//     140 keys none                    ... and from frame 140 on none
//     121 wheel -1                     a wheel notch reaches frame 121 (>= 0 forward, < 0 back)
//     122 mouse 40 100                 the pointer is at (40, 100) of the picture from frame 122
//     900 end                          the session ran 900 frames (optional, the last line)
//
// Keys are virtual-key codes in hexadecimal (0x26 up, 0x28 down, 0x25 left, 0x27 right,
// 0x20 space, 0x10 shift, 0x01 left button, 0x02 right button). Frame numbers never go down.
class Replay {
public:
    // Version 1 has no start point; a header with one is written as version 2, which older
    // games refuse rather than play from the wrong place.
    static constexpr int kVersion = 1;
    static constexpr int kStartVersion = 2;
    static constexpr int kMaxFrame = 10'000'000;
    static constexpr std::size_t kMaxLineLength = 1024;
    static constexpr std::size_t kMaxEntries = 1'000'000;
    static constexpr int kMaxMouse = 65535;

    using KeySet = std::bitset<256>;

    enum class Kind { Keys, Wheel, Mouse };

    struct Entry {
        int frame = 0;
        Kind kind = Kind::Keys;
        KeySet keys;  // Keys: the keys down from this frame on
        int x = 0;    // Wheel: the notch (>= 0 forward); Mouse: the position
        int y = 0;
    };

    std::uint32_t seed = 1;
    StartPoint start;  // where the session began (not chosen: the game's own start)
    std::vector<Entry> entries;
    // Frames the session ran; 0 when the file does not say.
    int endFrame = 0;

    // The frame the replay needs to run to: the end frame, else the last entry's.
    int length() const;

    // Reads the text form. On a malformed text returns false and puts a message with the line
    // number into error; name prefixes it (the file name).
    bool read(std::istream& in, const std::string& name, std::string& error);
    bool load(const std::string& path, std::string& error);

    // The lines of the text form for one statement; also used while recording.
    static void writeHeader(std::ostream& out, std::uint32_t seed, const StartPoint& start = {});
    static void writeEntry(std::ostream& out, const Entry& entry);
    static void writeEnd(std::ostream& out, int frame);
    void write(std::ostream& out) const;
    bool save(const std::string& path, std::string& error) const;

private:
    bool readHeader(const std::string& line, std::string& error);
    bool readStatement(const std::string& line, std::string& error);
    bool add(const Entry& entry, std::string& error);
};
