// Fuzz target: the PO reader over bytes in memory, then the translation built from them, as
// --lang loads it: every string converted to Shift-JIS, every problem placed on a line.
#include <string_view>

#include "fuzz/FuzzTarget.h"
#include "text/PoFile.h"
#include "text/Translation.h"

bool fuzzLoad(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PoFile file = PoFile::read(bytes);
    for (const PoMessage& message : file.messages) {
        for (const PoString& string : message.strings) {
            string.lineAt(string.text.size() / 2);
        }
    }
    file.headerField("Content-Type");
    const Translation translation = Translation::fromPo(bytes);
    for (const PoMessage& message : file.messages) {
        translation.translate(message.id.text);
    }
    return translation.problems().empty();
}

// The reader takes bytes only: there is no file-based reader to agree with.
bool sameAsFileLoad(const char*, const std::uint8_t*, std::size_t) {
    return true;
}
