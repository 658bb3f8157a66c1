#include "ui/win32/win32_runtime.h"

#include <iterator>
#include <string>

#include "game/form1_module.h"
#include "game/game_error.h"
#include "game/palette.h"
#include "ui/clock.h"
#include "ui/color_name.h"
#include "ui/twips.h"

namespace tinzel::win32 {

namespace {

constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

std::wstring widen(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string describe(ControlArray array, int index) {
    return std::string(array == ControlArray::Square ? "Square(" : "Color(") +
           std::to_string(index) + ")";
}

[[noreturn]] void fail(const std::string& what) {
    throw GameError(GameError::Kind::WindowOperationFailed, what);
}

void reportError(const GameError& error) {
    const std::wstring text = L"Tinzel has stopped because of an error:\n\n" + widen(error.what());
    const std::wstring title = widen(design::kApplicationTitle);
    MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

// The DPI of the whole desktop, which the system's own metrics are given in.
int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// A window's DPI where Windows can tell it per monitor, else the screen's logical DPI.
int dpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    return systemDpi();
}

}  // namespace

Win32Runtime::Win32Runtime(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &Win32Runtime::windowProcedure;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(instance_, L"TINZEL");
    // The icon's own small image, not the large one shrunk.
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageW(instance_, L"TINZEL", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR | LR_SHARED));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);  // a second runtime in one process finds it registered

    const std::wstring caption = widen(design::kCaption);
    frame_ = CreateWindowExW(0, kWindowClass, caption.c_str(), kFrameStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance_, this);
    if (frame_ == nullptr) {
        fail("Cannot create the window Form1 (error " + std::to_string(GetLastError()) + ")");
    }
    dpi_ = dpiOf(frame_);
    fitClientArea();
    createFonts();
}

void Win32Runtime::createFonts() {
    const std::wstring family = widen(design::kScoreFontFamily);
    scoreFont_ = CreateFontW(-MulDiv(design::kScoreFontPoints, dpi_, 72), 0, 0, 0, FW_BOLD, FALSE,
                             FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, family.c_str());
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi_, systemDpi());
    labelFont_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

// Sizes the frame so that its client area is the design's exactly, whatever its borders are.
void Win32Runtime::fitClientArea() {
    RECT outer;
    RECT client;
    GetWindowRect(frame_, &outer);
    GetClientRect(frame_, &client);
    const int width =
        outer.right - outer.left - client.right + twipsToPixels(design::kClientWidth, dpi_);
    const int height =
        outer.bottom - outer.top - client.bottom + twipsToPixels(design::kClientHeight, dpi_);
    SetWindowPos(frame_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Runtime::changeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const HFONT oldScoreFont = scoreFont_;
    const HFONT oldLabelFont = labelFont_;
    createFonts();
    SetWindowPos(frame_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    if (loaded_) {
        place(wins_, design::kWins);
        place(losses_, design::kLosses);
        place(label2_, design::kLabel2);
        for (HWND label : {wins_, losses_}) {
            SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(scoreFont_), TRUE);
        }
        SendMessageW(label2_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);
        for (const auto& [index, button] : buttons_) {
            place(button.handle, button.twips);
        }
    }
    InvalidateRect(frame_, nullptr, FALSE);
    DeleteObject(oldScoreFont);
    DeleteObject(oldLabelFont);
}

Win32Runtime::~Win32Runtime() {
    if (frame_ != nullptr) {
        SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
        DestroyWindow(frame_);
    }
    DeleteObject(scoreFont_);
    DeleteObject(labelFont_);
    for (auto& [color, handle] : brushes_) {
        DeleteObject(handle);
    }
}

void Win32Runtime::start() {
    deliver([this] { showForm(); });
}

template <typename Event>
void Win32Runtime::deliver(Event&& event) {
    if (ended_) {
        return;
    }
    try {
        event();
    } catch (const ProgramEnded&) {
        finish(0);
    } catch (const GameError& error) {
        ShowWindow(frame_, SW_HIDE);
        reportError(error);
        finish(1);
    }
}

void Win32Runtime::finish(int exitStatus) {
    ended_ = true;
    exitStatus_ = exitStatus;
    ShowWindow(frame_, SW_HIDE);
    PostQuitMessage(exitStatus);
}

LRESULT CALLBACK Win32Runtime::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* runtime = reinterpret_cast<Win32Runtime*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (runtime == nullptr || runtime->frame_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return runtime->handle(message, wParam, lParam);
}

LRESULT Win32Runtime::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kFirstButtonId &&
                LOWORD(wParam) <= kFirstButtonId + 10) {
                // The click destroys the very button that sent it, so it is answered after
                // the button has finished with this notification.
                PostMessageW(frame_, kAnswerMessage, LOWORD(wParam) - kFirstButtonId, 0);
                return 0;
            }
            break;
        case kAnswerMessage: {
            const auto index = static_cast<std::int16_t>(wParam);
            deliver([this, index] { events_->Color_Click(index); });
            return 0;
        }
        case WM_DRAWITEM:
            drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            return 1;  // painted in WM_PAINT, board included, without flicker
        case WM_PAINT:
            paint();
            return 0;
        case WM_ACTIVATE:
            // Leaving for another program: remember the button the player was on.
            if (LOWORD(wParam) == WA_INACTIVE) {
                if (const int focused = buttonIndexOf(GetFocus()); focused >= 0) {
                    focusIndex_ = focused;
                }
            }
            break;
        case WM_SETFOCUS:
            // Coming back: only the colour buttons take the focus, so it goes to that button.
            if (loaded_) {
                const auto button = buttons_.find(focusIndex_);
                SetFocus((button != buttons_.end() ? button : buttons_.begin())->second.handle);
            }
            return 0;
        case WM_DPICHANGED:
            changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            // The close box: the only window is gone, so the game is over.
            if (!ended_) {
                finish(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcW(frame_, message, wParam, lParam);
}

RECT Win32Runtime::pixels(const design::TwipsRect& twips) const {
    return RECT{twipsToPixels(twips.left, dpi_), twipsToPixels(twips.top, dpi_),
                twipsToPixels(twips.left + twips.width, dpi_),
                twipsToPixels(twips.top + twips.height, dpi_)};
}

void Win32Runtime::place(HWND control, const design::TwipsRect& twips) const {
    const RECT area = pixels(twips);
    SetWindowPos(control, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND Win32Runtime::createLabel(const design::TwipsRect& twips, std::string_view caption,
                               bool bordered) {
    const std::wstring text = widen(caption);
    const RECT area = pixels(twips);
    HWND label = CreateWindowExW(
        0, L"STATIC", text.c_str(),
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFT | (bordered ? WS_BORDER : 0), area.left,
        area.top, area.right - area.left, area.bottom - area.top, frame_, nullptr, instance_,
        nullptr);
    if (label == nullptr) {
        fail("Cannot create a label");
    }
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
    return label;
}

HWND Win32Runtime::createButton(int index, const design::TwipsRect& twips, bool visible) {
    const RECT area = pixels(twips);
    HWND button = CreateWindowExW(
        0, L"BUTTON", L"",
        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW | (visible ? WS_VISIBLE : 0),
        area.left, area.top, area.right - area.left, area.bottom - area.top, frame_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + index)), instance_, nullptr);
    if (button == nullptr) {
        fail("Cannot create " + describe(ControlArray::Color, index));
    }
    // Buttons go over every label they overlap, and follow one another down the column in
    // the stacking order, which is the order Tab walks.
    const auto previous = buttons_.lower_bound(index);
    const HWND above = previous == buttons_.begin() ? HWND_TOP : std::prev(previous)->second.handle;
    SetWindowPos(button, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return button;
}

// An owner-drawn button never shows its text, so the text is free to be what assistive
// tools read out: the name of the button's colour.
void Win32Runtime::nameButton(const Button& button) {
    const std::wstring name = widen(colorName(button.color));
    SetWindowTextW(button.handle, name.c_str());
}

int Win32Runtime::buttonIndexOf(HWND control) const {
    for (const auto& [index, button] : buttons_) {
        if (button.handle == control) {
            return index;
        }
    }
    return -1;
}

// The window as it loads, in the design's order.
void Win32Runtime::loadDesign() {
    buttons_.emplace(
        0, Button{createButton(0, design::kColorButton, true), design::kColorButton, Palette[0]});
    nameButton(buttons_.at(0));
    losses_ = createLabel(design::kLosses, design::kLossesCaption, true);
    SendMessageW(losses_, WM_SETFONT, reinterpret_cast<WPARAM>(scoreFont_), FALSE);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption, false);
    wins_ = createLabel(design::kWins, design::kWinsCaption, true);
    SendMessageW(wins_, WM_SETFONT, reinterpret_cast<WPARAM>(scoreFont_), FALSE);
    squares_.emplace(
        0, Square{design::kSquare, static_cast<ColorValue>(GetSysColor(COLOR_BTNFACE)), false});
    // Color(0) heads the stacking order: over the labels, and first for Tab.
    SetWindowPos(buttons_.at(0).handle, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    loaded_ = true;
}

Win32Runtime::Square& Win32Runtime::existingSquare(int index) {
    const auto found = squares_.find(index);
    if (!loaded_ || found == squares_.end()) {
        fail(describe(ControlArray::Square, index) + " does not exist");
    }
    return found->second;
}

const Win32Runtime::Square& Win32Runtime::existingSquare(int index) const {
    return const_cast<Win32Runtime*>(this)->existingSquare(index);
}

Win32Runtime::Button& Win32Runtime::existingButton(int index) {
    const auto found = buttons_.find(index);
    if (!loaded_ || found == buttons_.end()) {
        fail(describe(ControlArray::Color, index) + " does not exist");
    }
    return found->second;
}

const Win32Runtime::Button& Win32Runtime::existingButton(int index) const {
    return const_cast<Win32Runtime*>(this)->existingButton(index);
}

HWND Win32Runtime::colorButton(int index) const {
    return existingButton(index).handle;
}
ColorValue Win32Runtime::buttonColor(int index) const {
    return existingButton(index).color;
}
RECT Win32Runtime::squareRect(int index) const {
    return pixels(existingSquare(index).twips);
}
ColorValue Win32Runtime::squareColor(int index) const {
    return existingSquare(index).color;
}
bool Win32Runtime::isSquareVisible(int index) const {
    return existingSquare(index).visible;
}

void Win32Runtime::invalidateSquare(const Square& square) {
    if (square.visible) {
        const RECT area = pixels(square.twips);
        InvalidateRect(frame_, &area, FALSE);
    }
}

void Win32Runtime::setCaption(ScoreLabel label, std::string_view text) {
    if (!loaded_) {
        fail("The window is not loaded: it has no labels");
    }
    const std::wstring wide = widen(text);
    SetWindowTextW(scoreLabel(label), wide.c_str());
}

void Win32Runtime::createElement(ControlArray array, int index) {
    if (!loaded_) {
        fail("The window is not loaded: cannot create " + describe(array, index));
    }
    const bool exists =
        array == ControlArray::Square ? squares_.count(index) != 0 : buttons_.count(index) != 0;
    if (index < 1 || exists) {
        fail("Cannot create " + describe(array, index) + ": it exists already");
    }
    if (array == ControlArray::Square) {
        Square copy = squares_.at(0);
        copy.visible = false;
        squares_.emplace(index, copy);
        return;
    }
    const Button& original = buttons_.at(0);
    nameButton(buttons_
                   .emplace(index, Button{createButton(index, original.twips, false),
                                          original.twips, original.color})
                   .first->second);
}

void Win32Runtime::setTop(ControlArray array, int index, int twips) {
    moveEdge(array, index, &design::TwipsRect::top, twips);
}

void Win32Runtime::setLeft(ControlArray array, int index, int twips) {
    moveEdge(array, index, &design::TwipsRect::left, twips);
}

void Win32Runtime::moveEdge(ControlArray array, int index, int design::TwipsRect::*edge,
                            int twips) {
    if (array == ControlArray::Square) {
        Square& square = existingSquare(index);
        invalidateSquare(square);
        square.twips.*edge = twips;
        invalidateSquare(square);
    } else {
        Button& button = existingButton(index);
        button.twips.*edge = twips;
        place(button.handle, button.twips);
    }
}

void Win32Runtime::setVisible(ControlArray array, int index, bool visible) {
    if (array == ControlArray::Color) {
        ShowWindow(existingButton(index).handle, visible ? SW_SHOWNA : SW_HIDE);
        return;
    }
    Square& square = existingSquare(index);
    invalidateSquare(square);
    square.visible = visible;
    invalidateSquare(square);
}

void Win32Runtime::setBackColor(ControlArray array, int index, ColorValue color) {
    if (array == ControlArray::Color) {
        Button& button = existingButton(index);
        button.color = color;
        nameButton(button);
        InvalidateRect(button.handle, nullptr, FALSE);
        return;
    }
    Square& square = existingSquare(index);
    square.color = color;
    invalidateSquare(square);
}

void Win32Runtime::unloadForm() {
    if (!loaded_) {
        fail("The window is not loaded");
    }
    if (const int focused = buttonIndexOf(GetFocus()); focused >= 0) {
        focusIndex_ = focused;
    }
    // Called from a posted message, never from inside a button's own notification, so the
    // buttons can go at once.
    for (const auto& [index, button] : buttons_) {
        DestroyWindow(button.handle);
    }
    for (HWND label : {wins_, losses_, label2_}) {
        DestroyWindow(label);
    }
    wins_ = losses_ = label2_ = nullptr;
    buttons_.clear();
    squares_.clear();
    loaded_ = false;
    shown_ = false;
}

void Win32Runtime::showForm() {
    if (!loaded_) {
        if (events_ == nullptr) {
            fail("The window was shown before the game was attached");
        }
        loadDesign();
        events_->Form_Load();
        // Nothing is painted while the load runs: the whole new round appears at once.
        InvalidateRect(frame_, nullptr, FALSE);
    }
    ShowWindow(frame_, SW_SHOW);
    shown_ = true;
    const int focus = buttons_.count(focusIndex_) != 0 ? focusIndex_ : 0;
    SetFocus(buttons_.at(focus).handle);
}

void Win32Runtime::messageBox(std::string_view text) {
    if (!shown_) {
        ShowWindow(frame_, SW_HIDE);
    }
    const std::wstring wide = widen(text);
    const std::wstring title = widen(design::kApplicationTitle);
    MessageBoxW(shown_ ? frame_ : nullptr, wide.c_str(), title.c_str(), MB_OK);
}

void Win32Runtime::endProgram() {
    throw ProgramEnded{};
}

std::uint64_t Win32Runtime::clockReading() {
    return steadyClockReading();
}

HBRUSH Win32Runtime::brush(ColorValue color) {
    auto found = brushes_.find(color);
    if (found == brushes_.end()) {
        found = brushes_.emplace(color, CreateSolidBrush(static_cast<COLORREF>(color))).first;
    }
    return found->second;
}

void Win32Runtime::paint() {
    PAINTSTRUCT painting;
    HDC context = BeginPaint(frame_, &painting);
    FillRect(context, &painting.rcPaint, brush(design::kBackColor));
    HBRUSH border = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const auto& [index, square] : squares_) {
        if (!square.visible) {
            continue;
        }
        const RECT area = pixels(square.twips);
        RECT overlap;
        if (IntersectRect(&overlap, &area, &painting.rcPaint)) {
            FillRect(context, &area, brush(square.color));
            FrameRect(context, &area, border);
        }
    }
    EndPaint(frame_, &painting);
}

void Win32Runtime::drawButton(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstButtonId;
    const auto found = buttons_.find(index);
    const ColorValue color = found != buttons_.end() ? found->second.color : Palette[0];
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, brush(color));
    FrameRect(item.hDC, &area, brush(0x00404040));
    if ((item.itemState & ODS_SELECTED) != 0) {
        InflateRect(&area, -1, -1);
        FrameRect(item.hDC, &area, brush(0x00404040));
    }
    if ((item.itemState & ODS_FOCUS) != 0) {
        // Drawn by inverting, so it shows on every colour of the palette.
        RECT ring = item.rcItem;
        InflateRect(&ring, -4, -4);
        DrawFocusRect(item.hDC, &ring);
    }
}

bool Win32Runtime::translateKeyboard(MSG& message) {
    const int index = message.message == WM_KEYDOWN ? buttonIndexOf(message.hwnd) : -1;
    if (index >= 0 && (message.wParam == VK_UP || message.wParam == VK_DOWN)) {
        // Up at the top of the column and Down at its foot stay where they are.
        const auto next = buttons_.find(message.wParam == VK_UP ? index - 1 : index + 1);
        if (next != buttons_.end() && IsWindowVisible(next->second.handle)) {
            SetFocus(next->second.handle);
        }
        return true;
    }
    if (index >= 0 && message.wParam == VK_RETURN) {
        // Enter answers with the focused button, as Space does; a held key answers once.
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        if (!repeated) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    return IsDialogMessageW(frame_, &message) != FALSE;
}

int runMessageLoop(Win32Runtime& runtime) {
    runtime.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!runtime.translateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return runtime.exitStatus();
}

int runGame(HINSTANCE instance) {
    try {
        Win32Runtime runtime(instance);
        Form1Module game(runtime);
        runtime.attach(game);
        return runMessageLoop(runtime);
    } catch (const GameError& error) {
        // The window could not be made: the game never started, so this is the boundary.
        reportError(error);
        return 1;
    }
}

}  // namespace tinzel::win32
