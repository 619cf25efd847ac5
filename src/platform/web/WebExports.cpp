// What the page asks of the program besides the game (src/platform/web/*.js): Shift-JIS for
// the editor's text and the mod zips. Each returns its result in memory the page reads before
// its next call.
#include <emscripten.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/web/WebModZip.h"
#include "text/Utf8ToSjis.h"

namespace {

std::string converted;
std::string message;

}  // namespace

// The editor's text (UTF-8) as Shift-JIS, converted as the game converts a UTF-8 data file.
// Returns the size of the bytes at velkaros_converted(); for a character that cannot be
// written, minus its line, with the report (UTF-8) at velkaros_converted().
extern "C" EMSCRIPTEN_KEEPALIVE int velkaros_utf8_to_sjis(const char* utf8) {
    const std::string_view text(utf8);
    const Utf8ToSjisResult result = utf8ToSjis(text);
    if (result.ok()) {
        converted = result.sjis;
        return static_cast<int>(converted.size());
    }
    const auto before = text.substr(0, std::min(result.offset, text.size()));
    const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
    converted = std::to_string(line) + ": " + describeUtf8ToSjisFailure(result) +
                " (the file is Shift-JIS)";
    return -line;
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* velkaros_converted() {
    return converted.c_str();
}

// A mod chosen in the page: every file of the zip into folder. Empty, or the refusal.
extern "C" EMSCRIPTEN_KEEPALIVE const char* velkaros_unpack_mod(const char* zipFile,
                                                                const char* folder) {
    message = WebModZip::unpack(zipFile, folder);
    return message.c_str();
}

// Download: every file under folder into a new zip. Empty, or what went wrong.
extern "C" EMSCRIPTEN_KEEPALIVE const char* velkaros_write_zip(const char* folder,
                                                               const char* zipFile) {
    message = WebModZip::pack(folder, zipFile);
    return message.c_str();
}
