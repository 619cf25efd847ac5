#include "platform/web/WebPage.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(void, pageCall, (const char* name, const char* first, const char* second), {
    const page = Module["velkarosPage"];
    const call = page && page[UTF8ToString(name)];
    if (call) {
        call(UTF8ToString(first), UTF8ToString(second));
    }
});

EM_JS(void, pageDataError, (const char* text, int line, int playing), {
    const page = Module["velkarosPage"];
    if (page && page.showDataError) {
        page.showDataError(UTF8ToString(text), line, playing !== 0);
    }
});

EM_JS(void, pageFrame, (int frame), {
    const page = Module["velkarosPage"];
    if (page && page.frameShown) {
        page.frameShown(frame);
    }
});
// The bytes are read where they lie in the program's memory; putImageData copies them.
EM_JS(void, pageDraw, (const std::uint8_t* rgba, int width, int height, int first, int end), {
    const canvas = Module["canvas"];
    const context = canvas.getContext("2d");
    const bytes = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    context.putImageData(new ImageData(bytes, width, height), 0, 0, 0, first, width, end - first);
});
// clang-format on

}  // namespace

namespace WebPage {

void showReport(const std::string& caption, const std::string& text) {
    pageCall("showReport", caption.c_str(), text.c_str());
}

void showDataError(const std::string& text, int line, bool playing) {
    pageDataError(text.c_str(), line, playing ? 1 : 0);
}

void showAbout(const std::string& caption, const std::string& text) {
    pageCall("showAbout", caption.c_str(), text.c_str());
}

void showEnded(const std::string& message) {
    pageCall("showEnded", message.c_str(), "");
}

void drawPicture(const std::uint8_t* rgba, int width, int height, int first, int end) {
    pageDraw(rgba, width, height, first, end);
}

void frameShown(int frame) {
    pageFrame(frame);
}

double now() {
    return emscripten_get_now();
}

}  // namespace WebPage
