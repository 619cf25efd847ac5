#include "data/Utf8Sign.h"

#include "data/ScriptText.h"

namespace {

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

// Scans the bytes as UTF-8, keeping the first line with a character outside ASCII.
class Scanner {
public:
    explicit Scanner(std::streambuf& bytes) : bytes_(bytes) {}

    std::optional<Utf8Sign> scan() {
        if (startsWithByteOrderMark()) {
            readLine();
            return Utf8Sign{1, lineText()};
        }
        int c = 0;
        while ((c = next()) != kEnd) {
            int low = 0;
            int high = 0;
            const int count = continuationCount(c, low, high);
            if (count < 0) {
                return std::nullopt;
            }
            for (int i = 0; i < count; ++i) {
                const int following = next();
                if (following == kEnd || following < low || following > high) {
                    return std::nullopt;
                }
                low = 0x80;
                high = 0xBF;
            }
            if (count > 0 && !sign_) {
                sign_ = Utf8Sign{line_, ""};
                keep_ = true;
            }
        }
        if (sign_) {
            sign_->lineText = lineText();
        }
        return sign_;
    }

private:
    static constexpr int kEnd = std::char_traits<char>::eof();

    // Reads the first three bytes; without the mark they are scanned like the rest.
    bool startsWithByteOrderMark() {
        pendingCount_ = static_cast<int>(bytes_.sgetn(pending_, 3));
        if (pendingCount_ == 3 && pending_[0] == '\xEF' && pending_[1] == '\xBB' &&
            pending_[2] == '\xBF') {
            pendingCount_ = 0;
            keep_ = true;
            return true;
        }
        return false;
    }

    int take() {
        if (pendingAt_ < pendingCount_) {
            return static_cast<unsigned char>(pending_[pendingAt_++]);
        }
        return bytes_.sbumpc();
    }

    // The next byte; counts lines and collects the current line until the one to keep ends.
    int next() {
        const int c = take();
        if (c == kEnd || done_) {
            return c;
        }
        if (c == '\n') {
            if (keep_) {
                done_ = true;
            } else {
                text_.clear();
                ++line_;
            }
        } else if (c < 0x80 || c >= 0xC0) {
            // The report is Shift-JIS: each character outside ASCII shows as one "?".
            if (text_.size() < Utf8Sign::kMaxLineText) {
                text_.push_back(c < 0x80 ? static_cast<char>(c) : '?');
            }
        }
        return c;
    }

    void readLine() {
        while (!done_ && next() != kEnd) {
        }
    }

    std::string lineText() const { return std::string(trimScriptLine(text_)); }

    std::streambuf& bytes_;
    char pending_[3] = {};
    int pendingCount_ = 0;
    int pendingAt_ = 0;
    int line_ = 1;
    bool keep_ = false;  // the line being read is the one to report
    bool done_ = false;
    std::string text_;
    std::optional<Utf8Sign> sign_;
};

}  // namespace

std::optional<Utf8Sign> Utf8Sign::find(std::istream& input) {
    std::optional<Utf8Sign> sign;
    if (std::streambuf* bytes = input.rdbuf(); bytes != nullptr) {
        sign = Scanner(*bytes).scan();
    }
    input.clear();
    input.seekg(0);
    return sign;
}
