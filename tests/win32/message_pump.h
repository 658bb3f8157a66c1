// Drives a Windows message loop from a test or benchmark, the way the program's own loop
// would, until something has happened.
#pragma once

#include <functional>

#include "ui/win32/win32_window.h"

namespace tinzel::win32 {

struct Pumped {
    bool quit = false;
    int quitStatus = 0;
};

// Runs the message loop until `done` holds or WM_QUIT arrives, at most a few seconds.
// Without a window, messages go straight to their windows.
inline Pumped pumpUntil(Win32Window* window, const std::function<bool()>& done) {
    Pumped result;
    const ULONGLONG deadline = GetTickCount64() + 5000;
    MSG message;
    while (!done() && GetTickCount64() < deadline) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            Sleep(1);
            continue;
        }
        if (message.message == WM_QUIT) {
            result.quit = true;
            result.quitStatus = static_cast<int>(message.wParam);
            break;
        }
        if (window == nullptr || !window->translateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return result;
}

// Handles every message already waiting, then returns: the window has painted.
inline void pumpPending(Win32Window* window) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the test
            return;
        }
        if (window == nullptr || !window->translateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace tinzel::win32
