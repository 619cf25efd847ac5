#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/SdlDialogs.h"

// A box for a data-file error has no caption of its own; on the desktop it is titled as a
// Windows box without one is, "エラー" (Shift-JIS bytes written out, so any compiler agrees).
TEST(SdlDialogs, ABoxWithoutACaptionIsTitledError) {
    EXPECT_EQ(SdlDialogs::titleFor(""), "\x83\x47\x83\x89\x81\x5B");
    EXPECT_EQ(SdlDialogs::titleFor("About"), "About");
}
