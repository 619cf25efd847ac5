#include "data/ScriptLineReader.h"

bool ScriptLineReader::next(std::string& line) {
    line.clear();
    std::streambuf* buffer = input_.rdbuf();
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            atEnd_ = true;
            break;
        }
        if (c == '\n') {
            break;
        }
        if (line.size() >= maxLength_) {
            return false;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}
