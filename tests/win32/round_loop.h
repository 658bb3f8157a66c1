// Plays rounds of the real Windows window, never the tenth win, and counts what the process
// holds: for the long-run test and the Windows benchmark.
#pragma once

#include <random>

#include "game/form1_module.h"
#include "tests/ten_color.h"
#include "tests/win32/message_pump.h"
#include "tests/win32/win32_window_peer.h"
// clang-format off
#include <psapi.h>  // needs <windows.h> first
// clang-format on

namespace tinzel::win32 {

struct ProcessHoldings {
    DWORD gdiObjects;   // Wine does not count these and reports 0
    DWORD userObjects;  // likewise
    int childWindows;
    SIZE_T workingSetBytes;
};

inline BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

inline ProcessHoldings holdings(HWND window) {
    PROCESS_MEMORY_COUNTERS memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    int children = 0;
    EnumChildWindows(window, &countWindow, reinterpret_cast<LPARAM>(&children));
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), children, memory.WorkingSetSize};
}

// Answers by clicking, right or wrong at random but stopping short of the tenth win, and
// returns once the next round is on screen: every message handled, every window painted.
inline void playRound(Win32Window& window, const Form1Module& game, std::mt19937& choices) {
    const int ten = testing::tenColor(game.state());
    const bool right = choices() % 2 == 0 && game.state().winCount < 9;
    HWND button = testing::Win32WindowPeer(window).colorButton(right ? ten : (ten + 1) % 11);
    SendMessageW(button, BM_CLICK, 0, 0);
    pumpPending(&window);
}

}  // namespace tinzel::win32
