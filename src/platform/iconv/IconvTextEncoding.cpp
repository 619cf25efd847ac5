// The text conversion of the desktop and headless shells, through iconv's code page 932
// (or plain Shift-JIS with code page 932's symbols, where the C library lacks it).
#include <iconv.h>

#include <cerrno>

#include "data/TextEncoding.h"
#include "gfx/ShiftJisIconv.h"

std::string sjisToUtf8(std::string_view sjis) {
    iconv_t converter = openShiftJisConverter("UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::string(sjis);
    }
    std::string out;
    out.reserve(sjis.size() * 2);
    char buffer[256];
    char* in = const_cast<char*>(sjis.data());
    std::size_t inLeft = sjis.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or cut-off sequence: show one byte as "?" and go on after it.
            out.push_back('?');
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return out;
}
