// What only the Windows window can get wrong, driven with real window messages: its controls'
// ids and texts, the layout at the screen's DPI and after a DPI change, Tab, the controls kept
// from round to round and drawn only once a round is whole, a long run, the icons and a window
// that cannot be made. What the player does and sees is in the scenarios
// (tests/win32/scenario_test.cpp).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/ten_color.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/mouse_input.h"
#include "tests/win32/round_loop.h"
#include "tests/win32/win32_window_peer.h"
#include "ui/form_runtime.h"
#include "ui/twips.h"
#include "ui/win32/program.h"
#include "ui/win32/win32_window.h"

namespace tinzel::win32 {
namespace {

std::wstring textOf(HWND window) {
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

RECT clientRectOf(HWND control) {
    RECT area;
    GetWindowRect(control, &area);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// Keys as the keyboard sends them: to the focused window, through the program's message loop.
void pressKey(Win32Window& window, WPARAM key) {
    HWND focused = GetFocus();
    const auto scanCode = static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(key), 0));
    PostMessageW(focused, WM_KEYDOWN, key, 1 | scanCode << 16);
    PostMessageW(focused, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u) | scanCode << 16);
    pumpPending(&window);
}

struct RunningGame {
    RunningGame() {
        runtime.attach(game);
        runtime.start();
        pumpPending(&window);
    }

    int tenColor() const { return tinzel::testing::tenColor(game.state()); }
    int wrongColor() const { return tinzel::testing::wrongColor(game.state()); }

    int roundsPlayed() const { return game.state().winCount + game.state().lossCount; }

    // Clicks button `index` and waits for the next round (or the end).
    Pumped click(int index) {
        const int played = roundsPlayed();
        SendMessageW(testing::Win32WindowPeer(window).colorButton(index), BM_CLICK, 0, 0);
        return pumpUntil(&window, [&] { return roundsPlayed() != played; });
    }

    FormRuntime runtime;
    Win32Window window{GetModuleHandleW(nullptr), runtime};
    Form1Module game{runtime};
};

// Presses OK on the next message box titled "Tinzel" once it opens, keeping its text and
// whether the board's window was hidden by then.
struct MessageBoxAnswerer {
    static inline std::wstring text;
    static inline bool boardHidden = false;
    static inline HWND board = nullptr;

    explicit MessageBoxAnswerer(HWND window) {
        text.clear();
        boardHidden = false;
        board = window;
        timer_ = SetTimer(nullptr, 0, 50, &MessageBoxAnswerer::tick);
    }
    ~MessageBoxAnswerer() { KillTimer(nullptr, timer_); }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = FindWindowW(L"#32770", L"Tinzel");
        if (box == nullptr) {
            return;
        }
        wchar_t buffer[256] = {};
        GetDlgItemTextW(box, 0xFFFF, buffer, 256);
        text = buffer;
        boardHidden = IsWindowVisible(board) == FALSE;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }

  private:
    UINT_PTR timer_;
};

TEST(Win32Window, CaptionsTheWindowAndLabel2AndGivesEachButtonItsId) {
    RunningGame running;
    auto& window = running.window;
    EXPECT_EQ(textOf(window.frame()), L"Form1");
    EXPECT_EQ(textOf(testing::Win32WindowPeer(window).label2()), L"Label2");
    for (int k = 0; k <= 10; ++k) {
        EXPECT_TRUE(IsWindowVisible(testing::Win32WindowPeer(window).colorButton(k))) << k;
        EXPECT_EQ(GetDlgCtrlID(testing::Win32WindowPeer(window).colorButton(k)),
                  Win32Window::kFirstButtonId + k);
    }
}

void expectDesignLayout(const Win32Window& window, int dpi) {
    const auto px = [dpi](int twips) { return twipsToPixels(twips, dpi); };
    RECT client;
    GetClientRect(window.frame(), &client);
    EXPECT_EQ(client.right, px(7770));
    EXPECT_EQ(client.bottom, px(4425));
    const RECT square100 = testing::Win32WindowPeer(window).squareRect(100);
    EXPECT_EQ(square100.left, px(4455));
    EXPECT_EQ(square100.top, px(3960));
    EXPECT_EQ(square100.right, px(4950));
    EXPECT_EQ(square100.bottom, px(4400));
    const RECT button10 = clientRectOf(testing::Win32WindowPeer(window).colorButton(10));
    EXPECT_EQ(button10.left, px(4920));
    EXPECT_EQ(button10.top, px(4000));
    EXPECT_EQ(button10.bottom, px(4400));
    const RECT label2 = clientRectOf(testing::Win32WindowPeer(window).label2());
    EXPECT_EQ(label2.left, px(3600));
    EXPECT_EQ(label2.top, px(2280));
    EXPECT_EQ(label2.right, px(3855));
    EXPECT_EQ(label2.bottom, px(2295));
    const RECT losses =
        clientRectOf(testing::Win32WindowPeer(window).scoreLabel(ScoreLabel::Losses));
    EXPECT_EQ(losses.left, px(6000));
    EXPECT_EQ(losses.top, px(360));
    EXPECT_EQ(losses.right, px(7575));
    for (int index = 1; index <= 99; ++index) {
        if (index % 10 != 0) {
            EXPECT_EQ(testing::Win32WindowPeer(window).squareRect(index + 1).left,
                      testing::Win32WindowPeer(window).squareRect(index).right);
        }
    }
}

TEST(Win32Window, LayoutFollowsTheDesignInTwipsAtTheWindowsDpi) {
    RunningGame running;
    const int dpi = testing::Win32WindowPeer(running.window).dpi();
    std::printf("window DPI: %d\n", dpi);
    if (const char* wanted = std::getenv("TINZEL_WINE_DPI")) {
        EXPECT_EQ(dpi, std::atoi(wanted)) << "the screen's DPI setting did not reach the window";
    }
    expectDesignLayout(running.window, dpi);
}

// Windows sends WM_DPICHANGED when the window is dragged to a screen of another DPI.
TEST(Win32Window, AScreenOfAnotherDpiLaysTheWindowOutAgainForThisRoundAndTheNext) {
    RunningGame running;
    auto& window = running.window;
    const int newDpi = testing::Win32WindowPeer(window).dpi() == 144 ? 96 : 144;
    RECT suggested;
    GetWindowRect(window.frame(), &suggested);
    OffsetRect(&suggested, 40, 30);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, newDpi, 96);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, newDpi, 96);

    SendMessageW(window.frame(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    pumpPending(&window);

    EXPECT_EQ(testing::Win32WindowPeer(window).dpi(), newDpi);
    RECT moved;
    GetWindowRect(window.frame(), &moved);
    EXPECT_EQ(moved.left, suggested.left);
    EXPECT_EQ(moved.top, suggested.top);
    expectDesignLayout(window, newDpi);
    ASSERT_FALSE(running.click(running.wrongColor()).quit);
    expectDesignLayout(window, newDpi);
}

TEST(Win32Window, TabWalksTheColumnOfButtonsInOrderAndWrapsPastTheLabels) {
    RunningGame running;
    auto& window = running.window;
    const auto focusedButton = [] {
        return GetDlgCtrlID(GetFocus()) - Win32Window::kFirstButtonId;
    };
    ASSERT_EQ(focusedButton(), 0);
    pressKey(window, VK_TAB);
    EXPECT_EQ(focusedButton(), 1);
    for (int press = 0; press < 9; ++press) {
        pressKey(window, VK_TAB);
    }
    EXPECT_EQ(focusedButton(), 10);
    pressKey(window, VK_TAB);
    EXPECT_EQ(focusedButton(), 0) << "Tab goes past the labels, back to the top";
}

// Counts the windows this thread makes while it lives.
class WindowsMade {
  public:
    WindowsMade() {
        count_ = 0;
        hook_ = SetWindowsHookExW(WH_CBT, &WindowsMade::notice, nullptr, GetCurrentThreadId());
    }
    ~WindowsMade() { UnhookWindowsHookEx(hook_); }
    WindowsMade(const WindowsMade&) = delete;
    WindowsMade& operator=(const WindowsMade&) = delete;

    int count() const { return count_; }

  private:
    static LRESULT CALLBACK notice(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HCBT_CREATEWND) {
            ++count_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline int count_ = 0;
    HHOOK hook_;
};

BOOL CALLBACK collectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, &collectChild, reinterpret_cast<LPARAM>(&children));
    std::sort(children.begin(), children.end());
    return children;
}

// A round sets the window's controls again; it makes none and destroys none, and the window
// keeps its place on the desktop.
TEST(Win32Window, RoundsKeepTheFourteenChildWindowsAndTheWindowInPlace) {
    RunningGame running;
    auto& window = running.window;
    RECT before;
    GetWindowRect(window.frame(), &before);
    const std::vector<HWND> children = childrenOf(window.frame());
    ASSERT_EQ(children.size(), 14U);

    const WindowsMade made;
    std::mt19937 choices(3);
    for (int round = 0; round < 100; ++round) {
        playRound(window, running.game, choices);
    }

    EXPECT_EQ(made.count(), 0);
    EXPECT_EQ(childrenOf(window.frame()), children);
    EXPECT_EQ(running.roundsPlayed(), 100);
    for (int k = 0; k <= 10; ++k) {
        EXPECT_TRUE(IsWindowVisible(testing::Win32WindowPeer(window).colorButton(k))) << k;
    }
    RECT after;
    GetWindowRect(window.frame(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
}

// Every message by which the window or one of its controls draws itself, with whether the
// round was on screen whole when it came: a label draws its new text, and a button its new
// colour, the moment it is set, unless the window holds them back.
class DrawingWatch {
  public:
    explicit DrawingWatch(const Win32Window& window) {
        window_ = &window;
        midRound_.clear();
        whole_ = 0;
        hook_ =
            SetWindowsHookExW(WH_CALLWNDPROC, &DrawingWatch::notice, nullptr, GetCurrentThreadId());
    }
    ~DrawingWatch() { UnhookWindowsHookEx(hook_); }
    DrawingWatch(const DrawingWatch&) = delete;
    DrawingWatch& operator=(const DrawingWatch&) = delete;

    // The drawing messages that came between a round's unload and its successor's show.
    const std::vector<UINT>& midRound() const { return midRound_; }
    int whole() const { return whole_; }

  private:
    static LRESULT CALLBACK notice(int code, WPARAM wParam, LPARAM lParam) {
        const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        const HWND frame = window_->frame();
        const bool drawing = sent.message == WM_PAINT || sent.message == WM_NCPAINT ||
                             sent.message == WM_ERASEBKGND || sent.message == WM_DRAWITEM ||
                             sent.message == WM_CTLCOLORSTATIC || sent.message == WM_CTLCOLORBTN;
        if (code == HC_ACTION && drawing && (sent.hwnd == frame || GetParent(sent.hwnd) == frame)) {
            if (testing::Win32WindowPeer(*window_).roundShown()) {
                ++whole_;
            } else {
                midRound_.push_back(sent.message);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline const Win32Window* window_ = nullptr;
    static inline std::vector<UINT> midRound_;
    static inline int whole_ = 0;
    HHOOK hook_;
};

// The new scores, the buttons' new colours and places, the new board: none of them is drawn
// over what is left of the round before. The whole new round is drawn once it is shown.
TEST(Win32Window, ARoundIsDrawnOnlyOnceItIsShownWhole) {
    RunningGame running;
    const DrawingWatch watch(running.window);
    std::mt19937 choices(7);
    for (int round = 0; round < 20; ++round) {
        playRound(running.window, running.game, choices);
    }
    EXPECT_EQ(watch.midRound(), std::vector<UINT>{}) << "message numbers drawn mid-round";
    EXPECT_GE(watch.whole(), 20 * 12) << "each round's window, buttons and labels drawn";
}

// A thousand rounds set the window's controls a thousand times; nothing may pile up.
TEST(Win32Window, AThousandRoundsLeaveTheWindowsObjectsAndMemoryFlat) {
    RunningGame running;
    std::mt19937 choices(5);
    for (int round = 0; round < 20; ++round) {
        playRound(running.window, running.game, choices);
    }
    const ProcessHoldings before = holdings(running.window.frame());
    for (int round = 0; round < 1000; ++round) {
        playRound(running.window, running.game, choices);
    }
    const ProcessHoldings after = holdings(running.window.frame());
    std::printf(
        "after 20 and 1020 rounds: GDI %lu -> %lu, USER %lu -> %lu, working set %llu -> "
        "%llu KiB\n",
        before.gdiObjects, after.gdiObjects, before.userObjects, after.userObjects,
        static_cast<unsigned long long>(before.workingSetBytes / 1024),
        static_cast<unsigned long long>(after.workingSetBytes / 1024));
    EXPECT_EQ(after.childWindows, 14);  // 11 buttons and 3 labels: this round's, no more
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
    EXPECT_LE(after.userObjects, before.userObjects);
    EXPECT_LT(after.workingSetBytes, before.workingSetBytes + 1024 * 1024);
    EXPECT_EQ(running.game.state().winCount + running.game.state().lossCount, 1020);
}

// The button as the player sees it under the pointer: held down, and holding the mouse.
struct Press {
    bool pushed;
    bool captured;
};

Press pressOn(HWND button) {
    return {(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0, GetCapture() == button};
}

// A player who answers with the same button twice running clicks it again within the
// double-click time: that press looks and acts as the first did, and answers its round.
TEST(Win32Window, ASecondQuickClickOnAButtonIsAPressLikeTheFirst) {
    RunningGame running;
    HWND button = testing::Win32WindowPeer(running.window).colorButton(running.wrongColor());
    RECT area;
    GetClientRect(button, &area);
    const POINT centre{area.right / 2, area.bottom / 2};
    for (int click = 1; click <= 2; ++click) {
        testing::leftButtonAt(button, centre, {MOUSEEVENTF_LEFTDOWN});
        pumpPending(&running.window);
        const Press pressed = pressOn(button);
        EXPECT_TRUE(pressed.pushed) << "click " << click;
        EXPECT_TRUE(pressed.captured) << "click " << click;
        const int played = running.roundsPlayed();
        testing::leftButtonAt(button, centre, {MOUSEEVENTF_LEFTUP});
        pumpUntil(&running.window, [&] { return running.roundsPlayed() != played; });
        EXPECT_EQ(running.roundsPlayed(), played + 1) << "click " << click;
    }
}

// What a screen reader says of each colour button: its colour's name. Windows' accessibility
// layer names a button by its window text (Wine's gives no accessible object for a button to
// ask directly), and an owner-drawn button never shows that text.
TEST(Win32Window, ButtonsAreNamedByTheirColourForAssistiveTools) {
    RunningGame running;
    for (int k = 0; k <= 10; ++k) {
        const std::string expected(PaletteNames[static_cast<std::size_t>(k)]);
        EXPECT_EQ(textOf(testing::Win32WindowPeer(running.window).colorButton(k)),
                  std::wstring(expected.begin(), expected.end()));
    }
}

// A screen reader speaks a change of the focused control's description: after an answer the
// button the player is on describes the round's news, and tells that it changed, until the
// focus moves on.
std::vector<HWND> describedButtons;
void CALLBACK noteDescriptionChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child,
                                    DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        describedButtons.push_back(window);
    }
}

std::wstring descriptionOf(HWND button) {
    IAccessible* object = nullptr;
    if (AccessibleObjectFromWindow(button, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object)) != S_OK) {
        return L"(no object)";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR description = nullptr;
    object->get_accDescription(self, &description);
    const std::wstring text = description != nullptr ? description : L"";
    SysFreeString(description);
    object->Release();
    return text;
}

TEST(Win32Window, AnAnswerDescribesTheFocusedButtonWithTheRoundsNewsUntilTheFocusMoves) {
    RunningGame running;
    HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_DESCRIPTIONCHANGE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                        &noteDescriptionChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    describedButtons.clear();
    const testing::Win32WindowPeer peer(running.window);
    HWND focused = GetFocus();
    ASSERT_EQ(focused, peer.colorButton(0));
    EXPECT_EQ(descriptionOf(focused), L"");
    // Answered with the keyboard, which leaves the focus where it is (a click would move it).
    const bool wins = running.tenColor() == 0;
    pressKey(running.window, VK_RETURN);
    ASSERT_EQ(running.roundsPlayed(), 1);
    EXPECT_EQ(GetFocus(), focused);
    EXPECT_EQ(describedButtons, std::vector<HWND>{focused});
    EXPECT_EQ(descriptionOf(focused), wins ? L"WINS: 1. New board." : L"LOST: 1. New board.");
    EXPECT_EQ(textOf(focused), L"Black");
    pressKey(running.window, VK_DOWN);
    EXPECT_EQ(GetFocus(), peer.colorButton(1));
    EXPECT_EQ(descriptionOf(focused), L"");
    UnhookWinEvent(hook);
}

// A screen reader may hold on to the window's objects after the window is gone: they then
// answer that they are disconnected, and letting go of them is safe.
TEST(Win32Window, AnAccessibleObjectOutlivingTheWindowSaysItIsDisconnected) {
    IAccessible* board = nullptr;
    {
        RunningGame running;
        ASSERT_EQ(
            AccessibleObjectFromWindow(running.window.frame(), WindowAccessibility::kBoardObjectId,
                                       __uuidof(IAccessible), reinterpret_cast<void**>(&board)),
            S_OK);
        LONG cells = 0;
        EXPECT_EQ(board->get_accChildCount(&cells), S_OK);
        EXPECT_EQ(cells, 100);
    }
    VARIANT first;
    VariantInit(&first);
    first.vt = VT_I4;
    first.lVal = 1;
    BSTR name = nullptr;
    EXPECT_EQ(board->get_accName(first, &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    board->Release();
}

// Where a score label and the button column overlap (Left 6000 to 6015), the button is on
// top, even when the label repaints itself alone.
TEST(Win32Window, ButtonsStayOverTheLabelsTheyOverlapWhenALabelRepaints) {
    RunningGame running;
    auto& window = running.window;
    HWND wins = testing::Win32WindowPeer(window).scoreLabel(ScoreLabel::Wins);
    const RECT button = clientRectOf(testing::Win32WindowPeer(window).colorButton(0));
    const RECT label = clientRectOf(wins);
    ASSERT_LT(label.left, button.right);
    const int x = button.right - 1;  // the button's own frame, inside the overlap
    const int y = (button.top + button.bottom) / 2;
    const auto shown = [&] {
        HDC screen = GetDC(window.frame());
        const COLORREF colour = GetPixel(screen, x, y);
        ReleaseDC(window.frame(), screen);
        return colour;
    };
    UpdateWindow(window.frame());
    const COLORREF buttonEdge = shown();
    SetWindowTextW(wins, L"WINS: 7");
    RedrawWindow(wins, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(shown(), buttonEdge) << "the label painted over the button";
    EXPECT_EQ(buttonEdge, RGB(0x40, 0x40, 0x40));
}

// The title bar and the taskbar get the icon's own 16 x 16 image, not the 32 x 32 one shrunk.
TEST(Win32Window, TheSmallIconIsTheIconsOwnSixteenPixelImage) {
    RunningGame running;
    const auto sizeOf = [](HICON icon) {
        ICONINFO info{};
        EXPECT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof(bitmap),
                   &bitmap);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        return bitmap.bmWidth;
    };
    const auto small =
        reinterpret_cast<HICON>(GetClassLongPtrW(running.window.frame(), GCLP_HICONSM));
    const auto large =
        reinterpret_cast<HICON>(GetClassLongPtrW(running.window.frame(), GCLP_HICON));
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(sizeOf(large), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(sizeOf(small), GetSystemMetrics(SM_CXSMICON));
}

// A window procedure that refuses to create its window, in place of the game's own class.
LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCCREATE ? FALSE : DefWindowProcW(window, message, wParam, lParam);
}

TEST(Win32Window, AWindowThatCannotBeCreatedIsReportedAndEndsWithOne) {
    WNDCLASSEXW refusing{};
    refusing.cbSize = sizeof(refusing);
    refusing.lpfnWndProc = &refuseCreation;
    refusing.hInstance = GetModuleHandleW(nullptr);
    refusing.lpszClassName = Win32Window::kWindowClass;
    UnregisterClassW(Win32Window::kWindowClass, GetModuleHandleW(nullptr));  // an earlier game's
    ASSERT_NE(RegisterClassExW(&refusing), 0);
    MessageBoxAnswerer answerer(nullptr);
    const int status = runGame(GetModuleHandleW(nullptr));
    UnregisterClassW(Win32Window::kWindowClass, GetModuleHandleW(nullptr));
    EXPECT_EQ(status, 1);
    EXPECT_NE(MessageBoxAnswerer::text.find(L"Form1"), std::wstring::npos);
}

}  // namespace
}  // namespace tinzel::win32
