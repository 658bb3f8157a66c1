#include "ui/win32/win32_window.h"

#include <objbase.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "game/game_error.h"
#include "ui/score_fit.h"
#include "ui/twips.h"
#include "ui/win32/message_box.h"
#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

[[noreturn]] void fail(const std::string& what) {
    throw GameError(GameError::Kind::WindowOperationFailed, what);
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

// A kept control mostly has its text already, and every change is news to assistive tools:
// a text is set only when it differs from this.
std::wstring textOf(HWND window) {
    std::wstring current(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    current.resize(static_cast<std::size_t>(
        GetWindowTextW(window, current.data(), static_cast<int>(current.size()))));
    return current;
}

// The button class's own procedure, to which a colour button hands on its messages.
WNDPROC buttonClassProcedure = nullptr;

// The button class turns a second click that comes within the double-click time into a double
// click, and an owner-drawn button answers that with a notification of its own alone: no
// press, no capture, no click. A player who answers with the same button twice running means
// two clicks, so the second is handed on as the press it is and looks and acts as the first.
LRESULT CALLBACK colorButtonProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(buttonClassProcedure, button,
                           message == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : message, wParam, lParam);
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, FormRuntime& runtime)
    : instance_(instance),
      runtime_(runtime),
      // Assistive technology reaches the window's objects through COM, in this thread's
      // apartment.
      comStarted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    // The class, and with it the icons, is registered once a process and lives as long.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance_, kWindowClass, &windowClass) == FALSE) {
        windowClass.lpfnWndProc = &Win32Window::windowProcedure;
        windowClass.hInstance = instance_;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        windowClass.hIcon = LoadIconW(instance_, L"TINZEL");
        // The icon's own small image, not the large one shrunk (a shared load would hand
        // back the large one LoadIcon has cached).
        windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance_, L"TINZEL", IMAGE_ICON,
                                                            GetSystemMetrics(SM_CXSMICON),
                                                            GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.lpszClassName = kWindowClass;
        RegisterClassExW(&windowClass);
    }

    const std::wstring caption = widen(design::kCaption);
    frame_ = CreateWindowExW(0, kWindowClass, caption.c_str(), kFrameStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance_, this);
    if (frame_ == nullptr) {
        fail("Cannot create the window Form1 (error " + std::to_string(GetLastError()) + ")");
    }
    accessibility_ = std::make_unique<WindowAccessibility>(
        frame_, [this](const design::TwipsRect& twips) { return pixels(twips); });
    dpi_ = dpiOf(frame_);
    fitClientArea();
    createFonts();
    runtime_.setView(*this);
}

Win32Window::~Win32Window() {
    accessibility_.reset();
    if (frame_ != nullptr) {
        SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
        DestroyWindow(frame_);
    }
    deleteFonts(scoreFonts_);
    DeleteObject(labelFont_);
    for (auto& [color, handle] : brushes_) {
        DeleteObject(handle);
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void Win32Window::deleteFonts(std::map<int, HFONT>& fonts) {
    for (auto& [halfPoints, font] : fonts) {
        DeleteObject(font);
    }
    fonts.clear();
}

HFONT Win32Window::scoreFont(double points) {
    const int halfPoints = static_cast<int>(std::lround(points * 2));
    auto found = scoreFonts_.find(halfPoints);
    if (found == scoreFonts_.end()) {
        const std::wstring family = widen(design::kScoreFontFamily);
        const int height = -static_cast<int>(std::lround(halfPoints * dpi_ / 144.0));
        HFONT font = CreateFontW(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 FIXED_PITCH | FF_MODERN, family.c_str());
        found = scoreFonts_.emplace(halfPoints, font).first;
    }
    return found->second;
}

// The label's font for its whole caption to fit inside its frame.
void Win32Window::fitScore(ScoreLabel label) {
    HWND control = scoreLabel(label);
    RECT inside;
    GetClientRect(control, &inside);
    // Measured off screen: a label's own context would have the system work out what of it
    // is visible, and the widths are the same.
    HDC context = CreateCompatibleDC(nullptr);
    const auto width = [&](std::string_view text, double points) {
        const HGDIOBJ previous = SelectObject(context, scoreFont(points));
        const std::wstring wide = widen(text);
        SIZE extent{};
        GetTextExtentPoint32W(context, wide.c_str(), static_cast<int>(wide.size()), &extent);
        SelectObject(context, previous);
        return static_cast<double>(extent.cx);
    };
    const double points = fitScoreFont(inside.right, model_->caption(label), width);
    DeleteDC(context);
    const HFONT font = scoreFont(points);
    if (reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) != font) {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font),
                     rendering_ ? FALSE : TRUE);
    }
}

void Win32Window::createFonts() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi_, systemDpi());
    labelFont_ = CreateFontIndirectW(&metrics.lfMessageFont);
}

// Sizes the frame so that its client area is the design's exactly, whatever its borders are.
void Win32Window::fitClientArea() {
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

void Win32Window::changeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    std::map<int, HFONT> oldScoreFonts;
    oldScoreFonts.swap(scoreFonts_);
    const HFONT oldLabelFont = labelFont_;
    createFonts();
    SetWindowPos(frame_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    if (model_ != nullptr) {
        place(wins_, design::kWins);
        place(losses_, design::kLosses);
        place(label2_, design::kLabel2);
        fitScore(ScoreLabel::Wins);
        fitScore(ScoreLabel::Losses);
        SendMessageW(label2_, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), TRUE);
        // A button kept from an earlier round that this load has not created is hidden, and
        // takes its place again when a load creates it.
        for (int index = 0; index < static_cast<int>(buttons_.size()); ++index) {
            if (HWND button = colorButton(index);
                button != nullptr && model_->exists(ControlArray::Color, index)) {
                place(button, model_->element(ControlArray::Color, index).rect);
            }
        }
    }
    InvalidateRect(frame_, nullptr, FALSE);
    deleteFonts(oldScoreFonts);
    DeleteObject(oldLabelFont);
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->frame_ != window) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // No exception may unwind through the system's frames that called us: everything this
    // window does runs inside the runtime's event boundary.
    LRESULT result = 0;
    bool handled = false;
    self->runtime_.guard([&] {
        result = self->handle(message, wParam, lParam);
        handled = true;
    });
    return handled ? result : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kFirstButtonId &&
                LOWORD(wParam) <= kFirstButtonId + 10) {
                // The round that the click starts re-renders the very button that sent it,
                // so it is answered after the button has finished with this notification.
                PostMessageW(frame_, kAnswerMessage, LOWORD(wParam) - kFirstButtonId, 0);
                return 0;
            }
            break;
        case kAnswerMessage:
            runtime_.click(static_cast<int>(wParam));
            return 0;
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
                if (const int focused = focusedButton(); focused >= 0) {
                    focusOnReturn_ = focused;
                }
            }
            break;
        case WM_SETFOCUS:
            // Coming back: only the colour buttons take the focus, so it goes to that button.
            if (model_ != nullptr) {
                focusButton(colorButton(focusOnReturn_) != nullptr ? focusOnReturn_ : 0);
            }
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT answer =
                    accessibility_ ? accessibility_->answer(wParam, lParam) : 0) {
                return answer;
            }
            break;
        case WM_DPICHANGED:
            changeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_CLOSE:
            // The close box: the only window is gone, so the game is over.
            runtime_.close();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(frame_, message, wParam, lParam);
}

RECT Win32Window::pixels(const design::TwipsRect& twips) const {
    const PixelRect area = twipsToPixels(twips, dpi_, dpi_);
    return RECT{area.left, area.top, area.right, area.bottom};
}

void Win32Window::place(HWND control, const design::TwipsRect& twips) const {
    const RECT area = pixels(twips);
    // A control kept from the round before is mostly in its place already.
    RECT now;
    GetWindowRect(control, &now);
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&now, &area) == FALSE) {
        SetWindowPos(control, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | quietly());
    }
}

// While a render runs, a control moved, shown or hidden leaves the screen as it is: the
// render draws what changed once it has applied everything.
UINT Win32Window::quietly() const {
    return rendering_ ? SWP_NOREDRAW | SWP_NOCOPYBITS | SWP_DEFERERASE : 0;
}

HWND Win32Window::createLabel(const design::TwipsRect& twips, std::string_view caption,
                              bool bordered) {
    const std::wstring text = widen(caption);
    const RECT area = pixels(twips);
    HWND label = CreateWindowExW(0, L"STATIC", text.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS |
                                     (bordered ? WS_BORDER | SS_LEFTNOWORDWRAP : SS_LEFT),
                                 area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, frame_, nullptr, instance_, nullptr);
    if (label == nullptr) {
        fail("Cannot create a label");
    }
    SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(labelFont_), FALSE);
    return label;
}

void Win32Window::createButton(int index) {
    const RECT area = pixels(model_->element(ControlArray::Color, index).rect);
    HWND button = CreateWindowExW(
        0, L"BUTTON", L"", WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_OWNERDRAW, area.left,
        area.top, area.right - area.left, area.bottom - area.top, frame_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + index)), instance_, nullptr);
    if (button == nullptr) {
        fail("Cannot create " + describe(ControlArray::Color, index));
    }
    buttonClassProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&colorButtonProcedure)));
    if (buttons_.size() <= static_cast<std::size_t>(index)) {
        buttons_.resize(static_cast<std::size_t>(index) + 1, nullptr);
    }
    buttons_[static_cast<std::size_t>(index)] = button;
    buttonMade_ = true;
    // A new child window goes to the bottom of the stacking order, which is the order Tab
    // walks; a button made before one above it in the column is moved to its place.
    for (std::size_t below = static_cast<std::size_t>(index) + 1; below < buttons_.size();
         ++below) {
        if (buttons_[below] != nullptr) {
            HWND above = HWND_TOP;
            for (int previous = index - 1; previous >= 0; --previous) {
                if (HWND found = colorButton(previous)) {
                    above = found;
                    break;
                }
            }
            SetWindowPos(button, above, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | quietly());
            break;
        }
    }
}

// An owner-drawn button never shows its text, so the text is free to be what assistive
// tools read out: the name of the button's colour.
void Win32Window::nameButton(int index) {
    HWND button = colorButton(index);
    const std::wstring name = widen(model_->accessibleName(index));
    // Past the button's own handling, which would draw the button at once.
    if (textOf(button) != name) {
        DefWindowProcW(button, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
}

HWND Win32Window::colorButton(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < buttons_.size()
               ? buttons_[static_cast<std::size_t>(index)]
               : nullptr;
}

int Win32Window::buttonIndexOf(HWND control) const {
    for (std::size_t index = 0; index < buttons_.size(); ++index) {
        if (control != nullptr && buttons_[index] == control) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

RECT Win32Window::squareRect(int index) const {
    return pixels(model_->element(ControlArray::Square, index).rect);
}

// The design's controls, in its order, made by the first render and kept to the end.
void Win32Window::createDesignControls() {
    createButton(0);
    losses_ = createLabel(design::kLosses, model_->caption(ScoreLabel::Losses), true);
    label2_ = createLabel(design::kLabel2, design::kLabel2Caption, false);
    wins_ = createLabel(design::kWins, model_->caption(ScoreLabel::Wins), true);
    accessibility_->leaveOut(label2_);
}

// Button `index` takes what changed on its element: one made in an earlier round is written
// over, and one that vanished is hidden.
void Win32Window::applyButton(const ChangedElement& changed) {
    HWND button = colorButton(changed.index);
    if ((changed.changes & kVanished) != 0) {
        if (button != nullptr) {
            showButton(button, false);
        }
        return;
    }
    if (button == nullptr) {
        createButton(changed.index);
        button = colorButton(changed.index);
    }
    const Element& element = model_->element(ControlArray::Color, changed.index);
    if ((changed.changes & (kAppeared | kMoved)) != 0) {
        place(button, element.rect);
    }
    if ((changed.changes & kAppeared) != 0) {
        showButton(button, true);
    }
    if ((changed.changes & (kAppeared | kRecoloured)) != 0) {
        nameButton(changed.index);
    }
    InvalidateRect(button, nullptr, FALSE);
}

void Win32Window::showButton(HWND button, bool visible) const {
    const bool shown = (GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible) {
        SetWindowPos(button, nullptr, 0, 0, 0, 0,
                     (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE |
                         SWP_NOZORDER | SWP_NOACTIVATE | quietly());
    }
}

// A label draws its new text at once when it is set; the text is set under it, and the
// render draws it with the rest.
void Win32Window::applyCaption(ScoreLabel label) {
    HWND control = scoreLabel(label);
    const std::wstring caption = widen(model_->caption(label));
    if (textOf(control) != caption) {
        DefWindowProcW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    }
    fitScore(label);
    InvalidateRect(control, nullptr, TRUE);
}

// Every change is applied with nothing drawn, and then what changed is drawn at once: the
// player never sees a round half replaced.
void Win32Window::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    rendering_ = true;
    if (changes.first) {
        createDesignControls();
    }
    for (const ChangedElement& changed : changes.buttons) {
        applyButton(changed);
    }
    for (ScoreLabel label : {ScoreLabel::Losses, ScoreLabel::Wins}) {
        if (changes.captionChanged(label)) {
            applyCaption(label);
        }
    }
    // The board is painted by the window: the one rectangle around where each changed square
    // was and where it is (a region of a hundred pieces paints slower than their whole).
    RECT board{};
    for (const ChangedElement& changed : changes.squares) {
        const RECT before = pixels(changed.before);
        UnionRect(&board, &board, &before);
        if (model.exists(ControlArray::Square, changed.index)) {
            const RECT now = pixels(model.element(ControlArray::Square, changed.index).rect);
            UnionRect(&board, &board, &now);
        }
    }
    InvalidateRect(frame_, &board, FALSE);
    // Where a button and a label overlap, the button is drawn over the label: the labels go
    // under every button, which keep their order for Tab. A new button went under them.
    if (buttonMade_) {
        for (HWND label : {label2_, losses_, wins_}) {
            SetWindowPos(label, HWND_BOTTOM, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | quietly());
        }
        buttonMade_ = false;
    }
    rendering_ = false;
    // Drawn before anything else is, such as the focus the runtime gives a button next.
    RedrawWindow(frame_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    accessibility_->render(model, changes);
}

void Win32Window::unloaded() {
    // Nothing is drawn from here until the next round is rendered, so the old round is never
    // seen again although its controls stay.
    model_ = nullptr;
    accessibility_->unload();
}

void Win32Window::showWindow() {
    if (IsWindowVisible(frame_) == FALSE) {
        ShowWindow(frame_, SW_SHOW);
        RedrawWindow(frame_, nullptr, nullptr,
                     RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void Win32Window::hideWindow() {
    ShowWindow(frame_, SW_HIDE);
}

int Win32Window::focusedButton() const {
    return buttonIndexOf(GetFocus());
}

void Win32Window::focusButton(int index) {
    focusOnReturn_ = index;
    SetFocus(colorButton(index));
}

void Win32Window::showMessage(std::string_view text, bool isError) {
    // The error report stands alone: the window may be half made, or hidden already.
    showMessageBox(isError || IsWindowVisible(frame_) == FALSE ? nullptr : frame_, text, isError);
}

void Win32Window::finished(int exitStatus) {
    PostQuitMessage(exitStatus);
}

bool Win32Window::translateKeyboard(MSG& message) {
    const int index = message.message == WM_KEYDOWN ? buttonIndexOf(message.hwnd) : -1;
    if (index >= 0 && (message.wParam == VK_UP || message.wParam == VK_DOWN)) {
        focusButton(model_->neighbourButton(index, message.wParam == VK_UP ? -1 : +1));
        return true;
    }
    if (index >= 0 && message.wParam == VK_RETURN) {
        // Enter answers with the focused button, as Space does; a held key answers once.
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        if (buttonKeys_.down(VK_RETURN, repeated)) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    if (message.message == WM_KEYUP && message.wParam == VK_RETURN) {
        buttonKeys_.up(VK_RETURN);
    }
    return IsDialogMessageW(frame_, &message) != FALSE;
}

}  // namespace tinzel::win32
