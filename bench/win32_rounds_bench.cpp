// Tinzel.exe's window under load: the time from a click to the next round fully painted,
// next to a plain repaint of the same window, over 2 000 rounds. Run under Wine by
// scripts/test-windows.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "tests/win32/round_loop.h"

namespace {

double microseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
    return static_cast<double>(to.QuadPart - from.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart);
}

double at(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main() {
    using namespace tinzel::win32;
    tinzel::FormRuntime runtime;
    Win32Window window(GetModuleHandleW(nullptr), runtime);
    tinzel::Form1Module game(runtime);
    runtime.attach(game);
    runtime.start();
    pumpPending(&window);

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::mt19937 choices(11);
    std::vector<double> rounds;
    std::vector<double> repaints;
    for (int round = 0; round < 2000; ++round) {
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceCounter(&start);
        playRound(window, game, choices);
        QueryPerformanceCounter(&end);
        rounds.push_back(microseconds(start, end, frequency));

        QueryPerformanceCounter(&start);
        RedrawWindow(window.frame(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        pumpPending(&window);
        QueryPerformanceCounter(&end);
        repaints.push_back(microseconds(start, end, frequency));
    }
    const ProcessHoldings held = holdings(window.frame());
    std::printf("win32_turnover_median_us %.1f\nwin32_turnover_p99_us %.1f\n", at(rounds, 0.5),
                at(rounds, 0.99));
    std::printf("win32_repaint_median_us %.1f\nwin32_repaint_p99_us %.1f\n", at(repaints, 0.5),
                at(repaints, 0.99));
    std::printf("win32_child_windows %d\nwin32_working_set_kib %llu\n", held.childWindows,
                static_cast<unsigned long long>(held.workingSetBytes / 1024));
    return 0;
}
