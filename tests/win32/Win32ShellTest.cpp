#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SjisText.h"
#include "platform/win32/Win32Shell.h"

namespace {

// Each test runs in a game folder of its own with the smallest data file that loads.
class Win32ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        folder_ = std::filesystem::temp_directory_path() /
                  ("vk_win32_" + std::to_string(GetCurrentProcessId()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
        std::filesystem::current_path(folder_);
        std::ofstream("script.dat") << "SpecialArt normalAttack\n";
        options_.mute = true;
        options_.seed = 1;
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    Win32Options options_;
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};

// The menu's texts as Windows holds them, in UTF-16, whatever the ANSI code page.
std::wstring menuText(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

// The menu bar: File > Quit (100), Help > About (101), with these texts.
void expectMenuBar(HWND window, const wchar_t* fileTitle, const wchar_t* quit,
                   const wchar_t* helpTitle, const wchar_t* about) {
    HMENU menu = GetMenu(window);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(menuText(menu, 0), fileTitle);
    EXPECT_EQ(menuText(menu, 1), helpTitle);
    HMENU file = GetSubMenu(menu, 0);
    HMENU help = GetSubMenu(menu, 1);
    ASSERT_EQ(GetMenuItemCount(file), 1);
    ASSERT_EQ(GetMenuItemCount(help), 1);
    EXPECT_EQ(menuText(file, 0), quit);
    EXPECT_EQ(GetMenuItemID(file, 0), 100u);
    EXPECT_EQ(menuText(help, 0), about);
    EXPECT_EQ(GetMenuItemID(help, 0), 101u);
}

// A text of the version record of this program.
std::string versionText(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    std::string data(size, '\0');
    if (size == 0 || !GetFileVersionInfoA(path, 0, size, data.data())) {
        return {};
    }
    void* value = nullptr;
    UINT length = 0;
    const std::string key = std::string("\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueA(data.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const char*>(value);
}

}  // namespace

TEST_F(Win32ShellTest, OpensAWindowWithThePictureSizedClientAreaTitleAndMenu) {
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ASSERT_TRUE(shell.start());
    HWND window = shell.window();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowVisible(window));  // shown only by run

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right - client.left, 256);
    EXPECT_EQ(client.bottom - client.top, 224);

    char text[128] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_EQ(std::string(text), sjis("ケルモラのラスト風バトルシステム"));
    GetClassNameA(window, text, sizeof text);
    EXPECT_EQ(std::string(text), "Velkaros");

    // The menu bar in Japanese.
    expectMenuBar(window, L"ファイル(&F)", L"終了(&X)", L"ヘルプ(&H)", L"バージョン情報(&V)");

    // The picture is cleared and has the game font, ready for the first frame's text.
    EXPECT_EQ(shell.game().framebuffer().selectedFont(), &shell.game().font());
}

TEST_F(Win32ShellTest, TitleAndMenuBarFollowTheLanguage) {
    std::filesystem::create_directory("lang");
    std::ofstream("lang/en.po")
        << "msgid \"ケルモラのラスト風バトルシステム\"\nmsgstr \"Kelmora\"\n"
           "msgid \"ファイル(&F)\"\nmsgstr \"&File\"\n"
           "msgid \"終了(&X)\"\nmsgstr \"E&xit\"\n"
           "msgid \"ヘルプ(&H)\"\nmsgstr \"&Help\"\n"
           "msgid \"バージョン情報(&V)\"\nmsgstr \"&About\"\n";
    options_.lang = "en";
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ASSERT_TRUE(shell.start());
    char title[128] = {};
    GetWindowTextA(shell.window(), title, sizeof title);
    EXPECT_EQ(std::string(title), "Kelmora");
    expectMenuBar(shell.window(), L"&File", L"E&xit", L"&Help", L"&About");
}

TEST_F(Win32ShellTest, VersionRecordNamesTheGame) {
    EXPECT_EQ(versionText("ProductName"), sjis("ケルモラのラスト風バトルシステム"));
    EXPECT_EQ(versionText("FileVersion"), "Ver 0.1.0");
    EXPECT_EQ(versionText("ProductVersion"), "Ver 0.1.0");
}

TEST_F(Win32ShellTest, QuitCommandAndClosingTheWindowEndTheLoopWithZero) {
    {
        Win32Shell shell(GetModuleHandleA(nullptr), options_);
        ASSERT_TRUE(shell.start());
        int exitCode = 7;
        EXPECT_TRUE(shell.pumpMessages(exitCode));
        // Other commands do nothing.
        PostMessageA(shell.window(), WM_COMMAND, 555, 0);
        EXPECT_TRUE(shell.pumpMessages(exitCode));
        PostMessageA(shell.window(), WM_COMMAND, Win32Shell::kCommandQuit, 0);
        EXPECT_FALSE(shell.pumpMessages(exitCode));
        EXPECT_EQ(exitCode, 0);
        EXPECT_NE(shell.window(), nullptr);  // quitting does not destroy the window first
    }
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ASSERT_TRUE(shell.start());
    int exitCode = 7;
    DestroyWindow(shell.window());
    EXPECT_FALSE(shell.pumpMessages(exitCode));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(shell.window(), nullptr);
}

TEST_F(Win32ShellTest, MouseMessagesFeedTheInputState) {
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ASSERT_TRUE(shell.start());
    HWND window = shell.window();
    InputState& input = shell.game().input();

    // Both halves of the position are read as unsigned 16-bit numbers.
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(40, 0xFFFF));
    EXPECT_EQ(input.mouseX, 40);
    EXPECT_EQ(input.mouseY, 0xFFFF);

    // Forward (and a zero delta) press ButtonLeft, backward ButtonRight, once each.
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(input.injectedPress[ButtonLeft], 1);
    EXPECT_EQ(input.injectedPress[ButtonRight], 0);
    shell.runFrame();
    EXPECT_TRUE(input.isPressed(ButtonLeft));
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
    EXPECT_EQ(input.injectedPress[ButtonRight], 1);
    shell.runFrame();
    EXPECT_TRUE(input.isPressed(ButtonRight));
    EXPECT_FALSE(input.isPressed(ButtonLeft));
    SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, 0), 0);
    EXPECT_EQ(input.injectedPress[ButtonLeft], 1);
}

TEST_F(Win32ShellTest, MissingDataFileEndsWithMinusOneBeforeAnyWindow) {
    std::filesystem::remove("script.dat");  // a file that cannot be opened reports nothing
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    EXPECT_EQ(shell.run(SW_SHOWNORMAL), -1);
    EXPECT_EQ(shell.window(), nullptr);
}
