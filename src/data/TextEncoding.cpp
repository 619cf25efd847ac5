#include "data/TextEncoding.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>

#include "gfx/ShiftJisIconv.h"
#endif

#ifdef _WIN32

// Windows has code page 932 built in: each character (one byte, or a lead byte and its
// trail byte) is converted on its own, so one bad byte becomes "?" and the rest still shows.
std::string sjisToUtf8(std::string_view sjis) {
    std::string out;
    out.reserve(sjis.size() * 2);
    std::size_t i = 0;
    while (i < sjis.size()) {
        const auto lead = static_cast<unsigned char>(sjis[i]);
        const bool twoBytes = (lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC);
        const int length = twoBytes && i + 1 < sjis.size() ? 2 : 1;
        wchar_t wide[2];
        const int wideLength =
            MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i, length, wide, 2);
        char utf8[8];
        const int utf8Length = wideLength > 0
                                   ? WideCharToMultiByte(CP_UTF8, 0, wide, wideLength, utf8,
                                                         sizeof utf8, nullptr, nullptr)
                                   : 0;
        if (utf8Length > 0 && !(twoBytes && length == 1)) {
            out.append(utf8, static_cast<std::size_t>(utf8Length));
            i += static_cast<std::size_t>(length);
        } else {
            out.push_back('?');  // an invalid or cut-off character: skip one byte
            ++i;
        }
    }
    return out;
}

#else

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

#endif
