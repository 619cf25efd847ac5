#include "SjisText.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

std::string sjis(std::string_view utf8) {
#ifdef _WIN32
    const int size = static_cast<int>(utf8.size());
    const int wide =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    std::wstring utf16(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, utf16.data(), wide);
    BOOL lost = FALSE;
    const int bytes = WideCharToMultiByte(932, 0, utf16.data(), wide, nullptr, 0, nullptr, &lost);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(932, 0, utf16.data(), wide, out.data(), bytes, nullptr, &lost);
    if ((wide == 0 && !utf8.empty()) || lost) {
        throw std::invalid_argument("no Shift-JIS for a test's text");
    }
    return out;
#else
    const iconv_t converter = iconv_open("CP932", "UTF-8");
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv has no CP932");
    }
    std::string out(utf8.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* at = out.data();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &in, &inLeft, &at, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1)) {
        throw std::invalid_argument("no Shift-JIS for a test's text");
    }
    out.resize(static_cast<std::size_t>(at - out.data()));
    return out;
#endif
}
