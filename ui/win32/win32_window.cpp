// The form view on Windows: the frame window, its messages, renders and the end.
#include "ui/win32/win32_window.h"

#include <objbase.h>

#include <string>

#include "game/counts.h"
#include "game/game_error.h"
#include "ui/win32/board_painting.h"
#include "ui/win32/message_box.h"
#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

constexpr DWORD kFrameStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    // The class, and with it the icons, is registered once a process and lives as long.
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (GetClassInfoExW(instance, Win32Window::kWindowClass, &windowClass) != FALSE) {
        return;
    }
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(instance, L"TINZEL");
    // The icon's own small image, not the large one shrunk (a shared load would hand back the
    // large one LoadIcon has cached).
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"TINZEL", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.lpszClassName = Win32Window::kWindowClass;
    RegisterClassExW(&windowClass);
}

}  // namespace

Win32Window::Win32Window(HINSTANCE instance, FormRuntime& runtime)
    : instance_(instance),
      runtime_(runtime),
      // Assistive technology reaches the window's objects through COM, in this thread's
      // apartment.
      comStarted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    registerClass(instance_, &Win32Window::windowProcedure);
    const std::wstring caption = widen(design::kCaption);
    frame_ = CreateWindowExW(0, kWindowClass, caption.c_str(), kFrameStyle, CW_USEDEFAULT,
                             CW_USEDEFAULT, 100, 100, nullptr, nullptr, instance_, this);
    if (frame_ == nullptr) {
        throw GameError(
            GameError::Kind::WindowOperationFailed,
            "Cannot create the window Form1 (error " + std::to_string(GetLastError()) + ")");
    }
    controls_ = std::make_unique<Form1Controls>(instance_, frame_, brushes_);
    keyboard_ = std::make_unique<KeyboardFocus>(frame_, *controls_);
    accessibility_ = std::make_unique<WindowAccessibility>(
        frame_, [this](const design::TwipsRect& twips) { return controls_->pixels(twips); },
        [this](const PanelChild& child) { return controls_->controlOf(child); });
    fitClientArea();
    runtime_.setView(*this);
}

Win32Window::~Win32Window() {
    accessibility_.reset();
    if (frame_ != nullptr) {
        SetWindowLongPtrW(frame_, GWLP_USERDATA, 0);
        DestroyWindow(frame_);
    }
    if (comStarted_) {
        CoUninitialize();
    }
}

void Win32Window::fitClientArea() {
    RECT outer;
    RECT client;
    GetWindowRect(frame_, &outer);
    GetClientRect(frame_, &client);
    const RECT design = controls_->pixels({0, 0, design::kClientWidth, design::kClientHeight});
    const int width = outer.right - outer.left - client.right + design.right;
    const int height = outer.bottom - outer.top - client.bottom + design.bottom;
    SetWindowPos(frame_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::changeDpi(int dpi, const RECT& suggested) {
    controls_->changeDpi(dpi);
    SetWindowPos(frame_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    fitClientArea();
    InvalidateRect(frame_, nullptr, FALSE);
}

LRESULT CALLBACK Win32Window::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || self->frame_ != window || self->controls_ == nullptr) {
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
                LOWORD(wParam) < kFirstButtonId + kButtonCount) {
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
            controls_->draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_ERASEBKGND:
            return 1;  // painted in WM_PAINT, board included, without flicker
        case WM_PAINT:
            paint();
            return 0;
        case WM_ACTIVATE:
            // Leaving for another program: the button the player was on is remembered.
            if (LOWORD(wParam) == WA_INACTIVE) {
                keyboard_->deactivated();
            }
            break;
        case WM_SETFOCUS:
            if (model_ != nullptr) {
                keyboard_->regained();
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

void Win32Window::paint() {
    PAINTSTRUCT painting;
    HDC context = BeginPaint(frame_, &painting);
    paintBoard(context, painting.rcPaint, model_, brushes_,
               [this](const design::TwipsRect& twips) { return controls_->pixels(twips); });
    EndPaint(frame_, &painting);
}

// Every change is applied with nothing drawn, and then what changed is drawn at once: the
// player never sees a round half replaced.
void Win32Window::render(const FormModel& model, const FormChanges& changes) {
    model_ = &model;
    rendering_ = true;
    controls_->render(model, changes);
    // The board is painted by the window itself.
    const RECT board = controls_->pixels(boardArea(changes, model));
    InvalidateRect(frame_, &board, FALSE);
    rendering_ = false;
    // Drawn before anything else is, such as the focus the runtime gives a button next.
    RedrawWindow(frame_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    accessibility_->render(model, changes);
}

void Win32Window::unloaded() {
    // Nothing is drawn from here until the next round is rendered, so the old round is never
    // seen again although its controls stay.
    model_ = nullptr;
    controls_->unload();
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

void Win32Window::announce(std::string_view news) {
    if (const int focused = keyboard_->focused(); focused >= 0) {
        controls_->describeButton(focused, news);
    }
}

void Win32Window::showMessage(std::string_view text, bool isError) {
    // The error report stands alone: the window may be half made, or hidden already.
    showMessageBox(isError || IsWindowVisible(frame_) == FALSE ? nullptr : frame_, text, isError);
}

void Win32Window::finished(int exitStatus) {
    PostQuitMessage(exitStatus);
}

}  // namespace tinzel::win32
