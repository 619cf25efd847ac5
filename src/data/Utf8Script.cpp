#include "data/Utf8Script.h"

#include <array>
#include <cstdio>

#include "data/ScriptText.h"
#include "text/Utf8ToSjis.h"

namespace {

constexpr int kEnd = std::char_traits<char>::eof();

// How many continuation bytes a UTF-8 lead byte takes (0 for ASCII, -1 for a byte that cannot
// start a character), and the range its first continuation byte must lie in, which rules out
// overlong forms, surrogates and code points above U+10FFFF.
int continuationCount(int lead, int& low, int& high) {
    low = 0x80;
    high = 0xBF;
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
        return 3;
    }
    return -1;
}

// Where a character cut off by the end of the piece begins (the piece's size when none is).
std::size_t cutCharacter(const std::string& piece) {
    const std::size_t size = piece.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto c = static_cast<unsigned char>(piece[size - back]);
        if ((c & 0xC0) == 0x80) {
            continue;  // a continuation byte: the lead is further back
        }
        const std::size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

void rewind(std::istream& input) {
    input.clear();
    input.seekg(0);
}

bool startsWithMark(std::streambuf& bytes, std::string& notMark) {
    std::array<char, 3> first{};
    const auto count = static_cast<std::size_t>(bytes.sgetn(first.data(), 3));
    if (count == 3 && first[0] == '\xEF' && first[1] == '\xBB' && first[2] == '\xBF') {
        return true;
    }
    notMark.assign(first.data(), count);
    return false;
}

// True when every byte next gives belongs to a UTF-8 character and some character lies
// outside ASCII.
template <class Next>
bool validWithNonAscii(Next next) {
    bool outsideAscii = false;
    for (int c = next(); c != kEnd; c = next()) {
        int low = 0;
        int high = 0;
        const int count = continuationCount(c, low, high);
        if (count < 0) {
            return false;
        }
        for (int i = 0; i < count; ++i) {
            const int following = next();
            if (following == kEnd || following < low || following > high) {
                return false;
            }
            low = 0x80;
            high = 0xBF;
        }
        outsideAscii = outsideAscii || count > 0;
    }
    return outsideAscii;
}

}  // namespace

bool Utf8Script::isUtf8(std::istream& input) {
    std::streambuf* bytes = input.rdbuf();
    if (bytes == nullptr) {
        return false;
    }
    std::string start;
    bool utf8 = startsWithMark(*bytes, start);
    if (!utf8) {
        std::size_t at = 0;
        utf8 = validWithNonAscii([&]() -> int {
            return at < start.size() ? static_cast<unsigned char>(start[at++]) : bytes->sbumpc();
        });
    }
    rewind(input);
    return utf8;
}

std::optional<Utf8Script::Problem> Utf8Script::findProblem(std::istream& input) {
    std::optional<Problem> problem;
    if (std::streambuf* bytes = input.rdbuf(); bytes != nullptr) {
        Utf8Script converted(*bytes);
        std::array<char, kPiece> sink{};
        while (converted.sgetn(sink.data(), sink.size()) > 0) {
        }
        problem = converted.problem_;
    }
    rewind(input);
    return problem;
}

Utf8Script::Utf8Script(std::streambuf& utf8) : utf8_(utf8) {}

Utf8Script::int_type Utf8Script::underflow() {
    if (gptr() < egptr()) {
        return traits_type::to_int_type(*gptr());
    }
    if (!started_) {
        started_ = true;
        startsWithMark(utf8_, pending_);
    }
    while (!problem_) {
        std::string piece = std::move(pending_);
        pending_.clear();
        std::array<char, kPiece> bytes{};
        const auto count = static_cast<std::size_t>(utf8_.sgetn(bytes.data(), bytes.size()));
        piece.append(bytes.data(), count);
        if (piece.empty()) {
            return kEnd;
        }
        if (count > 0) {
            const std::size_t cut = cutCharacter(piece);
            pending_ = piece.substr(cut);
            piece.resize(cut);
        }
        Utf8ToSjisResult result = utf8ToSjis(piece);
        if (!result.ok()) {
            char what[96];
            std::snprintf(what, sizeof what,
                          result.failure == Utf8ToSjisFailure::noShiftJisForm
                              ? "the character U+%04X has no Shift-JIS (code page 932) form"
                              : "the byte 0x%02X is not UTF-8",
                          static_cast<unsigned>(result.codePoint));
            result.sjis = utf8ToSjis(std::string_view(piece).substr(0, result.offset)).sjis;
            problem_ = Problem{0, "", what};
        }
        for (const char c : result.sjis) {
            if (c == '\n') {
                ++line_;
                lineText_.clear();
            } else if (lineText_.size() < kMaxLineText) {
                lineText_ += c;
            }
        }
        if (problem_) {
            problem_->line = line_;
            problem_->lineText = std::string(trimScriptLine(lineText_));
        }
        sjis_ = std::move(result.sjis);
        if (!sjis_.empty()) {
            setg(sjis_.data(), sjis_.data(), sjis_.data() + sjis_.size());
            return traits_type::to_int_type(*gptr());
        }
    }
    return kEnd;
}
