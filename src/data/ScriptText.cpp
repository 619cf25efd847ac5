#include "data/ScriptText.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

void replaceAll(std::string& text, std::string_view from, char to) {
    std::size_t position = 0;
    while ((position = text.find(from, position)) != std::string::npos) {
        text.replace(position, from.size(), 1, to);
        ++position;
    }
}

}  // namespace

std::string_view trimScriptLine(std::string_view line) {
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && isBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(line[end - 1])) {
        --end;
    }
    return line.substr(begin, end - begin);
}

std::vector<std::string> splitScriptTokens(std::string_view line) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            ++i;
        }
        if (i > start) {
            tokens.emplace_back(line.substr(start, i - start));
        }
    }
    return tokens;
}

std::optional<int> parseScriptInteger(std::string_view token) {
    bool negative = false;
    std::size_t i = 0;
    if (!token.empty() && (token[0] == '-' || token[0] == '+')) {
        negative = token[0] == '-';
        i = 1;
    }
    // One more than the largest int, the magnitude of the smallest.
    constexpr long long kLimit = 2147483648LL;
    long long value = 0;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            return std::nullopt;
        }
    }
    if (!negative && value == kLimit) {
        return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string replaceScriptEscapes(std::string text) {
    replaceAll(text, "\\f", '\f');
    replaceAll(text, "\\n", '\n');
    replaceAll(text, "\\t", '\t');
    return text;
}
