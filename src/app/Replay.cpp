#include "app/Replay.h"

#include <fstream>
#include <sstream>

#include "app/WholeNumber.h"

namespace {

constexpr const char* kMagic = "velkaros-replay";

// The words of a line, split at spaces and tabs.
std::vector<std::string> wordsOf(const std::string& line) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t", start), line.size());
        words.push_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

// One line of at most limit bytes without its line break (LF or CRLF). False at the end of
// the input; tooLong is set when the line did not fit (the rest of it is skipped).
bool readLine(std::istream& in, std::size_t limit, std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in.rdbuf();
    bool any = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < limit) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return any;
}

}  // namespace

int Replay::length() const {
    if (endFrame > 0) {
        return endFrame;
    }
    return entries.empty() ? 0 : entries.back().frame;
}

bool Replay::read(std::istream& in, const std::string& name, std::string& error) {
    *this = Replay{};
    std::string line;
    bool tooLong = false;
    int number = 0;
    bool headerSeen = false;
    while (readLine(in, kMaxLineLength, line, tooLong)) {
        ++number;
        const std::string where = name + ":" + std::to_string(number) + ": ";
        if (tooLong) {
            error = where + "the line is longer than " + std::to_string(kMaxLineLength) + " bytes";
            return false;
        }
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') {
            continue;
        }
        if (!headerSeen) {
            std::string problem;
            if (!readHeader(line, problem)) {
                error = where + problem;
                return false;
            }
            headerSeen = true;
            continue;
        }
        std::string problem;
        if (!readStatement(line, problem)) {
            error = where + problem;
            return false;
        }
    }
    if (!headerSeen) {
        error = name + ": empty, not a replay";
        return false;
    }
    return true;
}

bool Replay::readHeader(const std::string& line, std::string& error) {
    const std::vector<std::string> words = wordsOf(line);
    long long value = 0;
    if (words.size() < 4 || words[0] != kMagic || words[2] != "seed") {
        error =
            std::string("not a replay: the first line must be '") + kMagic + " VERSION seed SEED'";
        return false;
    }
    if (!readWholeNumber(words[1], 1, 1'000'000, value) || value > kStartVersion) {
        error = "replay format version '" + words[1] + "' is not one this game reads (" +
                std::to_string(kVersion) + " or " + std::to_string(kStartVersion) + ")";
        return false;
    }
    const bool mayStartElsewhere = value >= kStartVersion;
    if (!readWholeNumber(words[3], 0, 0xFFFFFFFFLL, value)) {
        error = "the seed must be a whole number from 0 to 4294967295, not '" + words[3] + "'";
        return false;
    }
    seed = static_cast<std::uint32_t>(value);
    // Then, in version 2, "ground N" and "hero H", each at most once.
    for (std::size_t i = 4; i < words.size(); i += 2) {
        int* target = words[i] == "ground" ? &start.ground
                      : words[i] == "hero" ? &start.hero
                                           : nullptr;
        if (!mayStartElsewhere || target == nullptr || *target != 0 || i + 1 >= words.size() ||
            !readWholeNumber(words[i + 1], 1, StartPoint::kMaxNumber, value)) {
            error =
                "the first line may only go on with 'ground N' and 'hero H' (each once, from 1, "
                "in format version " +
                std::to_string(kStartVersion) + "), not '" + words[i] + "'";
            return false;
        }
        *target = static_cast<int>(value);
    }
    return true;
}

bool Replay::readStatement(const std::string& line, std::string& error) {
    const std::vector<std::string> words = wordsOf(line);
    long long value = 0;
    if (words.size() < 2 || !readWholeNumber(words[0], 1, kMaxFrame, value)) {
        error = "a line must start with a frame number from 1 to " + std::to_string(kMaxFrame) +
                " and a word (keys, wheel, mouse, end)";
        return false;
    }
    if (endFrame > 0) {
        error = "nothing may follow the end line";
        return false;
    }
    Entry entry;
    entry.frame = static_cast<int>(value);
    const std::string& what = words[1];
    if (what == "end") {
        if (words.size() != 2) {
            error = "'end' takes nothing after it";
            return false;
        }
        if (!entries.empty() && entries.back().frame > entry.frame) {
            error = "the end frame comes before the last statement";
            return false;
        }
        endFrame = entry.frame;
        return true;
    }
    if (what == "keys") {
        entry.kind = Kind::Keys;
        if (words.size() != 3) {
            error = "'keys' takes one list: codes separated by commas (0x20,0x26) or none";
            return false;
        }
        if (words[2] != "none") {
            std::istringstream list(words[2]);
            std::string code;
            while (std::getline(list, code, ',')) {
                if (!readWholeNumber(code, 1, 0xFF, value, 16)) {
                    error = "'" + code + "' is not a key code from 0x01 to 0xff";
                    return false;
                }
                entry.keys.set(static_cast<std::size_t>(value));
            }
            if (entry.keys.none() || words[2].back() == ',') {
                error = "an empty key code in '" + words[2] + "'";
                return false;
            }
        }
        for (auto it = entries.rbegin(); it != entries.rend() && it->frame == entry.frame; ++it) {
            if (it->kind == Kind::Keys) {
                error = "a second keys line for frame " + words[0];
                return false;
            }
        }
    } else if (what == "wheel") {
        entry.kind = Kind::Wheel;
        if (words.size() != 3 || !readWholeNumber(words[2], -1000, 1000, value) || value == 0) {
            error = "'wheel' takes the notches, a whole number from -1000 to 1000 other than 0";
            return false;
        }
        entry.x = static_cast<int>(value);
    } else if (what == "mouse") {
        entry.kind = Kind::Mouse;
        long long y = 0;
        if (words.size() != 4 || !readWholeNumber(words[2], -kMaxMouse, kMaxMouse, value) ||
            !readWholeNumber(words[3], -kMaxMouse, kMaxMouse, y)) {
            error = "'mouse' takes x and y, whole numbers from -65535 to 65535";
            return false;
        }
        entry.x = static_cast<int>(value);
        entry.y = static_cast<int>(y);
    } else {
        error = "unknown word '" + what + "' (keys, wheel, mouse or end)";
        return false;
    }
    return add(entry, error);
}

bool Replay::add(const Entry& entry, std::string& error) {
    if (!entries.empty() && entries.back().frame > entry.frame) {
        error = "frame " + std::to_string(entry.frame) + " comes after frame " +
                std::to_string(entries.back().frame);
        return false;
    }
    if (entries.size() >= kMaxEntries) {
        error = "more than " + std::to_string(kMaxEntries) + " statements";
        return false;
    }
    entries.push_back(entry);
    return true;
}

bool Replay::load(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open the replay " + path;
        return false;
    }
    return read(in, path, error);
}

void Replay::writeHeader(std::ostream& out, std::uint32_t seed, const StartPoint& start) {
    out << kMagic << ' ' << (start.chosen() ? kStartVersion : kVersion) << " seed " << seed;
    if (start.ground > 0) {
        out << " ground " << start.ground;
    }
    if (start.hero > 0) {
        out << " hero " << start.hero;
    }
    out << '\n';
}

void Replay::writeEntry(std::ostream& out, const Entry& entry) {
    out << entry.frame;
    switch (entry.kind) {
        case Kind::Keys: {
            out << " keys ";
            if (entry.keys.none()) {
                out << "none";
            }
            const char* separator = "";
            static constexpr char kHex[] = "0123456789abcdef";
            for (std::size_t code = 1; code < entry.keys.size(); ++code) {
                if (entry.keys.test(code)) {
                    out << separator << "0x" << kHex[code >> 4] << kHex[code & 15];
                    separator = ",";
                }
            }
            break;
        }
        case Kind::Wheel:
            out << " wheel " << entry.x;
            break;
        case Kind::Mouse:
            out << " mouse " << entry.x << ' ' << entry.y;
            break;
    }
    out << '\n';
}

void Replay::writeEnd(std::ostream& out, int frame) {
    out << frame << " end\n";
}

void Replay::write(std::ostream& out) const {
    writeHeader(out, seed, start);
    for (const Entry& entry : entries) {
        writeEntry(out, entry);
    }
    if (endFrame > 0) {
        writeEnd(out, endFrame);
    }
}

bool Replay::save(const std::string& path, std::string& error) const {
    std::ofstream out(path, std::ios::binary);
    write(out);
    out.close();
    if (!out) {
        error = "cannot write the replay " + path;
        return false;
    }
    return true;
}
