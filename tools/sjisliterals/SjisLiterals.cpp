#include "SjisLiterals.h"

#include <iconv.h>

#include <cctype>
#include <cstdio>
#include <memory>

namespace {

bool isAscii(char c) {
    return static_cast<unsigned char>(c) < 0x80;
}

// UTF-8 text to code page 932 with glibc's converter (the one GCC itself uses).
bool utf8ToCp932(std::string_view text, std::string& out) {
    iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    std::unique_ptr<void, int (*)(iconv_t)> closer(converter, iconv_close);
    std::string buffer(text.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    if (iconv(converter, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return false;
    }
    out.assign(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
    return true;
}

class Rewriter {
public:
    Rewriter(std::string_view source, std::string& out) : source_(source), out_(out) {}

    bool run(std::string& error) {
        while (at_ < source_.size()) {
            const char c = source_[at_];
            if (c == '\n') {
                ++line_;
            }
            if (startsWith("//")) {
                copyUntil("\n", false);
            } else if (startsWith("/*")) {
                copyUntil("*/", true);
            } else if (c == '"' && !prefixed()) {
                if (!stringLiteral(error)) {
                    return false;
                }
            } else if (c == '"') {
                // A prefixed literal keeps its own encoding; a raw one must stay ASCII.
                const bool raw = at_ > 0 && source_[at_ - 1] == 'R';
                if (raw ? !rawLiteral(error) : !quoted('"', error)) {
                    return false;
                }
            } else if (c == '\'' && !digitSeparator()) {
                if (!quoted('\'', error)) {
                    return false;
                }
            } else {
                out_.push_back(c);
                ++at_;
            }
        }
        return true;
    }

private:
    bool startsWith(std::string_view text) const {
        return source_.substr(at_, text.size()) == text;
    }

    // The identifier characters just before a quote make it a prefixed literal (u8"", R"").
    bool prefixed() const { return at_ > 0 && isIdentifier(source_[at_ - 1]); }
    // 1'000'000, 0xFF'FF: a quote inside a number separates its digits.
    bool digitSeparator() const {
        std::size_t start = at_;
        while (start > 0 && isIdentifier(source_[start - 1])) {
            --start;
        }
        return start < at_ && std::isdigit(static_cast<unsigned char>(source_[start])) != 0;
    }
    static bool isIdentifier(char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
    }

    void copyUntil(std::string_view end, bool include) {
        std::size_t stop = source_.find(end, at_ + 2);
        stop = stop == std::string_view::npos ? source_.size() : stop + (include ? end.size() : 0);
        for (; at_ < stop; ++at_) {
            line_ += source_[at_] == '\n' ? 1 : 0;
            out_.push_back(source_[at_]);
        }
    }

    bool fail(std::string& error, const char* what) const {
        error = "line " + std::to_string(line_) + ": " + what;
        return false;
    }

    // Copies a character literal or a prefixed string literal, which must hold ASCII only
    // when it is a character literal.
    bool quoted(char quote, std::string& error) {
        out_.push_back(source_[at_++]);
        while (at_ < source_.size() && source_[at_] != quote && source_[at_] != '\n') {
            if (quote == '\'' && !isAscii(source_[at_])) {
                return fail(error, "text outside ASCII in a character literal");
            }
            if (source_[at_] == '\\' && at_ + 1 < source_.size()) {
                out_.push_back(source_[at_++]);
            }
            out_.push_back(source_[at_++]);
        }
        if (at_ < source_.size() && source_[at_] == quote) {
            out_.push_back(source_[at_++]);
        }
        return true;
    }

    bool rawLiteral(std::string& error) {
        const std::size_t open = source_.find('(', at_);
        if (open == std::string_view::npos) {
            return fail(error, "a raw string literal without its opening parenthesis");
        }
        const std::string close = ")" + std::string(source_.substr(at_ + 1, open - at_ - 1)) + "\"";
        const std::size_t end = source_.find(close, open);
        const std::size_t stop =
            end == std::string_view::npos ? source_.size() : end + close.size();
        for (; at_ < stop; ++at_) {
            if (!isAscii(source_[at_])) {
                return fail(error, "text outside ASCII in a raw string literal");
            }
            line_ += source_[at_] == '\n' ? 1 : 0;
            out_.push_back(source_[at_]);
        }
        return true;
    }

    // An ordinary string literal: ASCII and escapes as they are, each run of other characters
    // converted and written as octal escapes.
    bool stringLiteral(std::string& error) {
        out_.push_back(source_[at_++]);
        while (at_ < source_.size() && source_[at_] != '"' && source_[at_] != '\n') {
            if (source_[at_] == '\\' && at_ + 1 < source_.size()) {
                out_.push_back(source_[at_++]);
                out_.push_back(source_[at_++]);
                continue;
            }
            if (isAscii(source_[at_])) {
                out_.push_back(source_[at_++]);
                continue;
            }
            std::size_t end = at_;
            while (end < source_.size() && !isAscii(source_[end])) {
                ++end;
            }
            std::string converted;
            if (!utf8ToCp932(source_.substr(at_, end - at_), converted)) {
                return fail(error, "text that code page 932 cannot hold (or malformed UTF-8)");
            }
            for (const char byte : converted) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(byte));
                out_ += escape;
            }
            at_ = end;
        }
        if (at_ < source_.size() && source_[at_] == '"') {
            out_.push_back(source_[at_++]);
        }
        return true;
    }

    std::string_view source_;
    std::string& out_;
    std::size_t at_ = 0;
    int line_ = 1;
};

}  // namespace

bool toShiftJisLiterals(std::string_view source, std::string& out, std::string& error) {
    out.clear();
    out.reserve(source.size() + source.size() / 4);
    return Rewriter(source, out).run(error);
}
