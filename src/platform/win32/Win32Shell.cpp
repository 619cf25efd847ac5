#include "platform/win32/Win32Shell.h"

#include <ctime>

#include "app/CommandLine.h"
#include "app/FrameSchedule.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32MenuBar.h"
#include "text/Catalogue.h"

Win32Shell* Win32Shell::current_ = nullptr;

Win32Shell::Win32Shell(HINSTANCE instance, const Win32Options& options)
    : instance_(instance), options_(options), game_(std::make_unique<Game>(&text_)) {
    // The picture goes to the window straight from the framebuffer's memory.
    const DIBImage& picture = game_->framebuffer();
    BITMAPINFOHEADER& header = pictureInfo_.bmiHeader;
    header.biSize = sizeof(BITMAPINFOHEADER);
    header.biWidth = picture.width();
    header.biHeight = picture.bottomUp() ? picture.height() : -picture.height();
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
}

Win32Shell::~Win32Shell() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        // The quit message that the destroyed window posted belongs to no loop any more.
        MSG message;
        while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
    game_.reset();  // closes the audio output before the music goes
    if (current_ == this) {
        current_ = nullptr;
    }
}

int Win32Shell::run(int showCommand) {
    if (!start()) {
        return -1;
    }
    ShowWindow(window_, showCommand);
    FrameSchedule schedule(clock_.milliseconds());
    int exitCode = 0;
    while (pumpMessages(exitCode)) {
        if (options_.frames > 0 && framesRun_ >= options_.frames) {
            WaitMessage();  // the picture stays as it is; only messages are handled
            continue;
        }
        // Until the period is over the loop only polls the message queue.
        const std::uint32_t now = clock_.milliseconds();
        if (!schedule.isDue(now)) {
            continue;
        }
        schedule.beginFrame(now);
        runFrame();
        const auto elapsed = static_cast<int>(clock_.milliseconds() - schedule.frameStart());
        const int rest = kSleepBudget - elapsed;
        if (rest > 0) {
            clock_.sleep(static_cast<std::uint32_t>(rest));
        }
    }
    game_->stop();
    return exitCode;
}

bool Win32Shell::start() {
    std::string error;
    if (!options_.lang.empty() && !game_->setLanguage(options_.lang, error)) {
        Win32Dialogs::commandLineBox(error, MB_OK);  // it quotes --lang as given
        return false;
    }
    if (!game_->start(&dialogs_, options_.mute ? nullptr : &audio_)) {
        return false;
    }
    createWindow();
    return true;
}

bool Win32Shell::pumpMessages(int& exitCode) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        const BOOL result = GetMessageW(&message, nullptr, 0, 0);
        if (result == 0) {
            exitCode = static_cast<int>(message.wParam);
            return false;
        }
        if (result > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

void Win32Shell::runFrame() {
    game_->frame(keys_);
    ++framesRun_;
    if (window_ != nullptr) {
        InvalidateRgn(window_, nullptr, FALSE);
        UpdateWindow(window_);
    }
}

void Win32Shell::createWindow() {
    // A Unicode window class: the title is kept in UTF-16, not in the ANSI code page.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &Win32Shell::windowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hIconSm = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);  // fails harmlessly when the class exists already

    current_ = this;
    // The title and the menu bar are taken now, after the language is applied.
    HMENU menu = createMenuBar(kCommandQuit, kCommandAbout);
    window_ = CreateWindowExW(0, kClassName, wideText(text(TextId::GameTitle)).c_str(),
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, menu, instance_, nullptr);
    if (window_ == nullptr) {
        if (menu != nullptr) {
            DestroyMenu(menu);
        }
        return;
    }
    // Grow or shrink the frame so that the client area is exactly the picture.
    RECT frame;
    RECT client;
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    frame.right += Game::kScreenWidth - client.right;
    frame.bottom += Game::kScreenHeight - client.bottom;
    MoveWindow(window_, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
               TRUE);
    game_->attachWindow(options_.seed.value_or(static_cast<std::uint32_t>(std::time(nullptr))));
}

LRESULT CALLBACK Win32Shell::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (current_ == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return current_->handleMessage(window, message, wParam, lParam);
}

LRESULT Win32Shell::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            // The picture starts black with the game font selected (attachWindow, once the
            // window has its size, also seeds the random generator).
            DIBImage& picture = game_->framebuffer();
            picture.fillRect(0, picture.clipX0(), picture.clipY0(), picture.clipX1(),
                             picture.clipY1());
            picture.selectFont(&game_->font());
            break;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_NCDESTROY:
            if (window == window_) {
                window_ = nullptr;
            }
            break;
        case WM_PAINT:
            paint(window);
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCommandQuit) {
                PostQuitMessage(0);
            } else if (LOWORD(wParam) == kCommandAbout) {
                showAbout();
            }
            return 0;
        case WM_MOUSEMOVE:
            game_->input().setMousePosition(LOWORD(lParam), HIWORD(lParam));
            break;
        case WM_MOUSEWHEEL:
            game_->input().wheel(GET_WHEEL_DELTA_WPARAM(wParam));
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Shell::paint(HWND window) {
    PAINTSTRUCT paintInfo;
    HDC dc = BeginPaint(window, &paintInfo);
    const DIBImage& picture = game_->framebuffer();
    if (!picture.empty()) {
        // One 1:1 copy of the whole picture to the top-left corner of the client area.
        SetDIBitsToDevice(dc, 0, 0, picture.width(), picture.height(), 0, 0, 0, picture.height(),
                          picture.data(), &pictureInfo_, DIB_RGB_COLORS);
    }
    EndPaint(window, &paintInfo);
}

void Win32Shell::showAbout() {
    // Modal: no frame runs until it is closed; the music plays on.
    const std::string about = text(TextId::GameTitle) + "\n" + kVersionText;
    MessageBoxW(window_, wideText(about).c_str(), wideText(text(TextId::AboutCaption)).c_str(),
                MB_OK);
}
