// Tinzel.exe's window under load: the time from a click to the next round fully painted,
// next to a plain repaint of the same window, over 2 000 rounds, and where that time goes.
// Run under Wine by scripts/test-windows.
#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "tests/win32/round_loop.h"

namespace {

using tinzel::FormModel;

LARGE_INTEGER now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter;
}

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 / static_cast<double>(frequency);
}

double at(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

// What the window does in a round, by kind.
enum Part { Unload, Render, Show, kParts };
constexpr std::array<const char*, kParts> kPartNames = {"unload", "render", "show"};

// Passes every call on to the real window, timing each by the part of the round it is.
class TimingView final : public tinzel::FormView {
  public:
    explicit TimingView(tinzel::win32::Win32Window& window) : window_(window) {}

    std::array<double, kParts> spent{};

    void render(const FormModel& model, const tinzel::FormChanges& changes) override {
        timed(Render, [&] { window_.render(model, changes); });
    }
    void unloaded() override {
        timed(Unload, [&] { window_.unloaded(); });
    }
    void showWindow() override {
        timed(Show, [&] { window_.showWindow(); });
    }
    void hideWindow() override { window_.hideWindow(); }
    int focusedButton() const override { return window_.focusedButton(); }
    void focusButton(int index) override {
        timed(Show, [&] { window_.focusButton(index); });
    }
    void announce(std::string_view news) override {
        timed(Show, [&] { window_.announce(news); });
    }
    void showMessage(std::string_view text, bool isError) override {
        window_.showMessage(text, isError);
    }
    void finished(int exitStatus) override { window_.finished(exitStatus); }

  private:
    template <typename Call>
    void timed(Part part, Call&& call) {
        const LARGE_INTEGER start = now();
        call();
        spent[part] += microseconds(start, now());
    }

    tinzel::win32::Win32Window& window_;
};

void CALLBACK hearNothing(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD) {}

}  // namespace

int main() {
    using namespace tinzel::win32;
    tinzel::FormRuntime runtime;
    Win32Window window(GetModuleHandleW(nullptr), runtime);
    TimingView timing(window);
    runtime.setView(timing);
    tinzel::Form1Module game(runtime);
    runtime.attach(game);
    runtime.start();
    pumpPending(&window);

    constexpr int kRounds = 2000;
    std::mt19937 choices(11);
    std::vector<double> rounds;
    std::vector<double> repaints;
    timing.spent = {};
    for (int round = 0; round < kRounds; ++round) {
        LARGE_INTEGER start = now();
        playRound(window, game, choices);
        rounds.push_back(microseconds(start, now()));

        start = now();
        RedrawWindow(window.frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        pumpPending(&window);
        repaints.push_back(microseconds(start, now()));
    }
    const ProcessHoldings held = holdings(window.frame());
    std::printf("win32_turnover_median_us %.1f\nwin32_turnover_p99_us %.1f\n", at(rounds, 0.5),
                at(rounds, 0.99));
    std::printf("win32_repaint_median_us %.1f\nwin32_repaint_p99_us %.1f\n", at(repaints, 0.5),
                at(repaints, 0.99));
    // The rest of a round is the game's own work, the messages and the painting.
    double accounted = 0;
    for (int part = 0; part < kParts; ++part) {
        std::printf("win32_round_%s_us %.1f\n", kPartNames[static_cast<std::size_t>(part)],
                    timing.spent[static_cast<std::size_t>(part)] / kRounds);
        accounted += timing.spent[static_cast<std::size_t>(part)] / kRounds;
    }
    double mean = 0;
    for (double round : rounds) {
        mean += round / kRounds;
    }
    std::printf("win32_round_paint_and_rest_us %.1f\n", mean - accounted);
    std::printf("win32_child_windows %d\nwin32_working_set_kib %llu\n", held.childWindows,
                static_cast<unsigned long long>(held.workingSetBytes / 1024));

    // The same rounds with a screen reader listening: it holds the board's object and hears
    // every renamed cell, as NVDA's event hook does.
    IAccessible* board = nullptr;
    AccessibleObjectFromWindow(window.frame(), WindowAccessibility::kBoardObjectId,
                               __uuidof(IAccessible), reinterpret_cast<void**>(&board));
    const HWINEVENTHOOK hook =
        SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &hearNothing,
                        GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    std::vector<double> listened;
    for (int round = 0; round < kRounds; ++round) {
        const LARGE_INTEGER start = now();
        playRound(window, game, choices);
        listened.push_back(microseconds(start, now()));
    }
    UnhookWinEvent(hook);
    if (board != nullptr) {
        board->Release();
    }
    std::printf("win32_listening_turnover_median_us %.1f\nwin32_listening_turnover_p99_us %.1f\n",
                at(listened, 0.5), at(listened, 0.99));
    return 0;
}
