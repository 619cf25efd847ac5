#include "platform/win32/WideText.h"

std::wstring wideText(std::string_view text, UINT codePage) {
    std::wstring wide;
    wideText(text, wide, codePage);
    return wide;
}

void wideText(std::string_view text, std::wstring& wide, UINT codePage) {
    wide.clear();
    if (text.empty()) {
        return;
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) {
        return;
    }
    wide.resize(static_cast<std::size_t>(length));
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
}
