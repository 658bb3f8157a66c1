// The scenarios' verbs on the Windows window under Wine, by input, pixels and MSAA.
#include "tests/win32/win32_player_driver.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "game/counts.h"
#include "game/form1_module.h"
#include "tests/failing_load.h"
#include "tests/win32/mouse_input.h"
#include "tests/win32/win32_window_peer.h"
#include "ui/form_look.h"
#include "ui/win32/score_text.h"

namespace tinzel::testing {

namespace {

// The program's own start, posted to the thread so that it runs from the message loop.
constexpr UINT kStartMessage = WM_APP + 100;

Win32PlayerDriver* playing = nullptr;

std::string narrow(const std::wstring& text) {
    std::string narrowed;
    for (wchar_t character : text) {
        if (character != L'&') {
            narrowed += static_cast<char>(character);
        }
    }
    return narrowed;
}

std::wstring textOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

WPARAM virtualKey(Key key) {
    switch (key) {
        case Key::Space:
            return VK_SPACE;
        case Key::Enter:
            return VK_RETURN;
        case Key::Up:
            return VK_UP;
        case Key::Down:
            return VK_DOWN;
    }
    return 0;
}

LPARAM keyFlags(WPARAM key, bool up, bool repeat) {
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0));
    LPARAM flags = 1 | scanCode << 16;
    if (up) {
        flags |= static_cast<LPARAM>(0xC0000000u);
    } else if (repeat) {
        flags |= 1 << 30;
    }
    return flags;
}

HWND openMessage() {
    HWND box = FindWindowW(L"#32770", L"Tinzel");
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

// Draws into a fresh 32-bit bitmap of `width` × `height` with `paint`, and reads it back.
template <typename Paint>
Capture drawn(int width, int height, Paint paint) {
    Capture capture{width, height, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    paint(memory);
    GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    capture.pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    for (std::uint32_t& pixel : capture.pixels) {
        pixel &= 0xFFFFFFU;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return capture;
}

Capture screenOf(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return drawn(client.right, client.bottom, [&](HDC memory) {
        HDC screen = GetDC(window);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    });
}

// The cells whose name changes the window has announced since the last read, as a screen
// reader's event hook hears them.
std::set<int> announcedCells;
HWND announcingWindow = nullptr;

void CALLBACK hearAnnouncement(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child,
                               DWORD, DWORD) {
    if (event == EVENT_OBJECT_NAMECHANGE && window == announcingWindow &&
        object == win32::WindowAccessibility::kBoardObjectId && child > CHILDID_SELF) {
        announcedCells.insert(child - 1);
    }
}

std::string nameOf(IAccessible* object, LONG child) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR name = nullptr;
    std::string read;
    if (SUCCEEDED(object->get_accName(id, &name)) && name != nullptr) {
        read = narrow(name);
        SysFreeString(name);
    }
    return read;
}

LONG roleOf(IAccessible* object, LONG child = CHILDID_SELF) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    VARIANT role;
    VariantInit(&role);
    return SUCCEEDED(object->get_accRole(id, &role)) && role.vt == VT_I4 ? role.lVal : 0;
}

std::string descriptionOf(IAccessible* object, LONG child) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = child;
    BSTR description = nullptr;
    std::string read;
    if (SUCCEEDED(object->get_accDescription(id, &description)) && description != nullptr) {
        read = narrow(description);
        SysFreeString(description);
    }
    return read;
}

// An object's children as AccessibleChildren gives them: objects of their own, or simple
// children by their ids.
std::vector<VARIANT> childrenOf(IAccessible* object) {
    LONG count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    LONG obtained = 0;
    if (count > 0) {
        AccessibleChildren(object, 0, count, children.data(), &obtained);
    }
    children.resize(static_cast<std::size_t>(obtained));
    return children;
}

// A screen reader tells a button it has no role for by its window's class, as NVDA does
// (Wine's objects for a control's client area say only "client").
bool isButton(IAccessible* object) {
    HWND window = nullptr;
    wchar_t className[32] = {};
    return SUCCEEDED(WindowFromAccessibleObject(object, &window)) && window != nullptr &&
           GetClassNameW(window, className, 32) > 0 && lstrcmpiW(className, L"Button") == 0;
}

// The table's cells, its simple children, with their names; its rows and columns from what
// each cell's description says of its place ("Row 3, column 7").
void readTable(IAccessible* table, AccessibleWindow& read) {
    for (VARIANT& child : childrenOf(table)) {
        if (child.vt == VT_I4) {
            read.cells.push_back(nameOf(table, child.lVal));
            int row = 0;
            int column = 0;
            if (std::sscanf(descriptionOf(table, child.lVal).c_str(), "Row %d, column %d", &row,
                            &column) == 2) {
                read.rows = std::max(read.rows, row);
                read.columns = std::max(read.columns, column);
            }
        }
        VariantClear(&child);
    }
}

// Every object below `object`, as a screen reader walks the window, with what it says.
void walk(IAccessible* object, AccessibleWindow& read) {
    for (VARIANT& child : childrenOf(object)) {
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            IAccessible* found = nullptr;
            child.pdispVal->QueryInterface(__uuidof(IAccessible), reinterpret_cast<void**>(&found));
            if (found != nullptr) {
                const LONG role = roleOf(found);
                const std::string name = nameOf(found, CHILDID_SELF);
                read.names.push_back(name);
                if (role == ROLE_SYSTEM_PUSHBUTTON || isButton(found)) {
                    read.buttons.push_back(name);
                }
                if (role == ROLE_SYSTEM_TABLE) {
                    readTable(found, read);
                } else {
                    walk(found, read);
                }
                found->Release();
            }
        }
        VariantClear(&child);
    }
}

}  // namespace

Win32PlayerDriver::Win32PlayerDriver() = default;

Win32PlayerDriver::~Win32PlayerDriver() {
    if (announcements_ != nullptr) {
        UnhookWinEvent(announcements_);
        announcedCells.clear();
    }
    game_.reset();
    window_.reset();
    if (otherProgram_ != nullptr) {
        DestroyWindow(otherProgram_);
    }
}

void Win32PlayerDriver::start(bool failingLoad) {
    runtime_ = std::make_unique<FormRuntime>();
    window_ = std::make_unique<win32::Win32Window>(GetModuleHandleW(nullptr), *runtime_);
    if (failingLoad) {
        game_ = std::make_unique<FailingLoad>(*runtime_);
    } else {
        game_ = std::make_unique<Form1Module>(*runtime_);
    }
    runtime_->attach(*game_);
    startPending_ = true;
}

// Timers are the lowest of the messages: one arrives only when everything posted, typed
// and painted before it has been handled, in the program's loop or a message box's.
void CALLBACK Win32PlayerDriver::tick(HWND, UINT, UINT_PTR, DWORD) {
    if (playing == nullptr || playing->stepping_ || playing->done_) {
        return;
    }
    playing->stepping_ = true;
    playing->done_ = !(*playing->step_)();
    playing->stepping_ = false;
    // A scenario that stopped while a message box is open leaves it no loop to return to.
    if (HWND box = playing->done_ ? openMessage() : nullptr) {
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
}

void Win32PlayerDriver::run(const std::function<bool()>& step) {
    step_ = &step;
    done_ = false;
    playing = this;
    if (startPending_) {
        startPending_ = false;
        PostThreadMessageW(GetCurrentThreadId(), kStartMessage, 0, 0);
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &tick);
    const ULONGLONG deadline = GetTickCount64() + 120'000;
    MSG message;
    while (!done_ && GetTickCount64() < deadline) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            continue;
        }
        if (message.message == WM_QUIT) {
            exitStatus_ = static_cast<int>(message.wParam);
        } else if (message.hwnd == nullptr && message.message == kStartMessage) {
            runtime_->start();
        } else if (!window_->translateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    KillTimer(nullptr, timer);
    playing = nullptr;
}

POINT Win32PlayerDriver::pixelsOf(TwipsPoint point) const {
    RECT client;
    GetClientRect(window_->frame(), &client);
    const PixelPoint place = pixelsAt(point, client.right, client.bottom);
    return {place.x, place.y};
}

// Steps run a timer tick apart, well inside the double-click time.
void Win32PlayerDriver::clickAt(TwipsPoint place) {
    leftClicks(window_->frame(), pixelsOf(place), 1);
}

void Win32PlayerDriver::doubleClickAt(TwipsPoint place) {
    leftClicks(window_->frame(), pixelsOf(place), 2);
}

void Win32PlayerDriver::clickOk() {
    if (HWND box = openMessage()) {
        HWND ok = GetDlgItem(box, IDOK);
        RECT area;
        GetClientRect(ok, &area);
        leftClicks(ok, {area.right / 2, area.bottom / 2}, 1);
    }
}

// The keyboard sends to whatever holds the focus. Keys are posted there rather than sent
// through the input queue: Wine takes its key state from the X server's whenever the focus
// moves (as a message box opens), and X never saw a key that SendInput holds down.
void Win32PlayerDriver::keyDown(Key key, bool repeat) {
    const WPARAM code = virtualKey(key);
    PostMessageW(GetFocus(), WM_KEYDOWN, code, keyFlags(code, false, repeat));
}

void Win32PlayerDriver::keyUp(Key key) {
    const WPARAM code = virtualKey(key);
    PostMessageW(GetFocus(), WM_KEYUP, code, keyFlags(code, true, false));
}

void Win32PlayerDriver::deactivate() {
    otherProgram_ =
        CreateWindowExW(0, L"STATIC", L"another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                        200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetActiveWindow(otherProgram_);
}

void Win32PlayerDriver::activate() {
    SetActiveWindow(window_->frame());
    DestroyWindow(otherProgram_);
    otherProgram_ = nullptr;
}

void Win32PlayerDriver::close() {
    PostMessageW(window_->frame(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Win32PlayerDriver::setCaption(ScoreLabel label, const std::string& text) {
    runtime_->guard([&] { runtime_->setCaption(label, text); });
}

int Win32PlayerDriver::focusedButton() {
    HWND focused = GetFocus();
    if (focused == nullptr || GetParent(focused) != window_->frame()) {
        return -1;
    }
    const int index = GetDlgCtrlID(focused) - win32::Win32Window::kFirstButtonId;
    return index >= 0 && index < kButtonCount ? index : -1;
}

Capture Win32PlayerDriver::capture() {
    HWND frame = window_->frame();
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return screenOf(frame);
}

// As the window sets a score's caption, in the font and inside the frame of the label at the
// score's place in the design.
Capture Win32PlayerDriver::drawnText(ScoreLabel label, const std::string& text) {
    const Win32WindowPeer window(*window_);
    RECT inside;
    GetClientRect(window.scoreLabel(label), &inside);
    InflateRect(&inside, -look::kScoreFrameWidth, -look::kScoreFrameWidth);
    OffsetRect(&inside, -inside.left, -inside.top);
    return drawn(inside.right, inside.bottom, [&](HDC memory) {
        FillRect(memory, &inside, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        win32::drawScoreText(memory, window.scoreFont(label), window.scoreAdvance(label), inside,
                             std::wstring(text.begin(), text.end()), RGB(0, 0, 0));
    });
}

std::optional<ShownMessage> Win32PlayerDriver::message() {
    HWND box = openMessage();
    if (box == nullptr) {
        return std::nullopt;
    }
    ShownMessage shown;
    shown.title = narrow(textOf(box));
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    shown.text = narrow(text);
    shown.icon = "none";
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        if (IsWindowVisible(child) == FALSE) {
            continue;
        }
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(child, GWL_STYLE));
        if (lstrcmpiW(className, L"Button") == 0) {
            shown.buttons.push_back(narrow(textOf(child)));
        } else if (lstrcmpiW(className, L"Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
            const auto image = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            shown.icon = image == nullptr                         ? "none"
                         : image == LoadIconW(nullptr, IDI_ERROR) ? "error"
                                                                  : "other";
        }
    }
    return shown;
}

// Through MSAA, as NVDA and JAWS read the window.
AccessibleWindow Win32PlayerDriver::accessibleWindow() {
    AccessibleWindow read;
    IAccessible* client = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window_->frame(), static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&client)))) {
        throw ScenarioFailure("the window gives assistive technology no object");
    }
    read.name = nameOf(client, CHILDID_SELF);
    walk(client, read);
    client->Release();
    read.announced = std::exchange(announcedCells, {});
    if (announcements_ == nullptr) {
        announcingWindow = window_->frame();
        announcements_ =
            SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                            &hearAnnouncement, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    return read;
}

bool Win32PlayerDriver::windowShown() {
    return IsWindowVisible(window_->frame()) != FALSE;
}

std::optional<int> Win32PlayerDriver::exitStatus() {
    return exitStatus_;
}

}  // namespace tinzel::testing
