#include "platform/headless/ShiftJis.h"

#include <iconv.h>

#include <cerrno>

std::string shiftJisToUtf8(const std::string& text) {
    iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return text;
    }
    std::string out;
    char buffer[256];
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL (a lead byte at the very end): show and skip one byte.
            out += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return out;
}
