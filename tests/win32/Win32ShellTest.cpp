#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

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

// A text of the version record of this program, in UTF-16 as the record holds it.
std::wstring versionText(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::string data(size, '\0');
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, data.data())) {
        return {};
    }
    void* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(data.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return static_cast<const wchar_t*>(value);
}

// A window's text as Windows holds it, in UTF-16.
std::wstring windowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), text.size())));
    return text;
}

// The message boxes one call showed: how many, and the first one's caption and text, read in
// UTF-16 while it was open. A thread timer fires inside each box's own message loop, reads the
// box and closes it with OK.
struct ShownBoxes {
    int count = 0;
    std::wstring caption;
    std::wstring text;
    HWND last = nullptr;
};
ShownBoxes* shownBoxes = nullptr;

BOOL CALLBACK findBox(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The box's text is its one static control with text (the icon's has none).
BOOL CALLBACK findBoxText(HWND child, LPARAM text) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"Static") == 0 && GetWindowTextLengthW(child) > 0) {
        *reinterpret_cast<std::wstring*>(text) = windowText(child);
        return FALSE;
    }
    return TRUE;
}

void CALLBACK readBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || box == shownBoxes->last) {
        return;
    }
    shownBoxes->last = box;
    if (++shownBoxes->count == 1) {
        shownBoxes->caption = windowText(box);
        EnumChildWindows(box, findBoxText, reinterpret_cast<LPARAM>(&shownBoxes->text));
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

template <typename Show>
ShownBoxes boxesShownBy(Show show) {
    ShownBoxes seen;
    shownBoxes = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, readBox);
    show();
    KillTimer(nullptr, timer);
    shownBoxes = nullptr;
    // What the closed boxes leave (focus changes, which reset the key state) is handled now,
    // not in a later test: until nothing has come for a tenth of a second.
    while (MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    return seen;
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

    EXPECT_EQ(windowText(window), L"ケルモラのラスト風バトルシステム");
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    EXPECT_EQ(std::wstring(className), L"Velkaros");

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
    EXPECT_EQ(windowText(shell.window()), L"Kelmora");
    expectMenuBar(shell.window(), L"&File", L"E&xit", L"&Help", L"&About");
}

TEST_F(Win32ShellTest, VersionRecordNamesTheGame) {
    EXPECT_EQ(versionText(L"ProductName"), L"ケルモラのラスト風バトルシステム");
    EXPECT_EQ(versionText(L"FileVersion"), L"Ver 0.1.0");
    EXPECT_EQ(versionText(L"ProductVersion"), L"Ver 0.1.0");
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

TEST_F(Win32ShellTest, BoxesShowTheirJapaneseTextsInUtf16) {
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ASSERT_TRUE(shell.start());
    // Help > About: the game's title and version, the catalogue's caption.
    ShownBoxes about = boxesShownBy(
        [&] { SendMessageW(shell.window(), WM_COMMAND, Win32Shell::kCommandAbout, 0); });
    EXPECT_EQ(about.count, 1);
    EXPECT_EQ(about.caption, L"バージョン情報");
    EXPECT_EQ(about.text, L"ケルモラのラスト風バトルシステム\nVer 0.1.0");

    // The data file's error report, in Windows' default caption, before any window.
    std::ofstream("script.dat") << "SpecialArt normalAttack\nstrength 10\ncolour 3\n";
    Win32Shell broken(GetModuleHandleA(nullptr), options_);
    ShownBoxes error = boxesShownBy([&] { EXPECT_FALSE(broken.start()); });
    EXPECT_EQ(error.count, 1);
    EXPECT_EQ(error.text, L"エラーコード 2 : 文法のエラー\n3行目にエラー : colour 3\n");
    EXPECT_FALSE(error.caption.empty());
    EXPECT_EQ(broken.window(), nullptr);
}

// --lang as given comes in the ANSI code page, like every argument: its error box reads it in
// that code page, not as Shift-JIS.
TEST_F(Win32ShellTest, LanguageErrorQuotesTheArgumentInTheAnsiCodePage) {
    const wchar_t* given = GetACP() == 932 ? L"ja_日本" : L"fr_é";
    char ansi[32] = {};
    ASSERT_GT(WideCharToMultiByte(CP_ACP, 0, given, -1, ansi, sizeof ansi, nullptr, nullptr), 0);
    options_.lang = ansi;
    Win32Shell shell(GetModuleHandleA(nullptr), options_);
    ShownBoxes error = boxesShownBy([&] { EXPECT_FALSE(shell.start()); });
    EXPECT_EQ(error.count, 1);
    EXPECT_EQ(error.text,
              L"'" + std::wstring(given) + L"' is no language code; there are none in lang/");
    EXPECT_EQ(shell.window(), nullptr);
}
