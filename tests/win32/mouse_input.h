// The mouse as a player's reaches a window: through the system's input queue (SendInput),
// where the window under the pointer is found, double clicks are made and the capture is
// handed out. A message posted straight to a window skips all of that.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <initializer_list>
#include <vector>

namespace tinzel::testing {

// The pointer moved to `point` of `window`'s client area, then the left button's `actions`
// there in order (MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP).
inline void leftButtonAt(HWND window, POINT point, std::initializer_list<DWORD> actions) {
    ClientToScreen(window, &point);
    SetCursorPos(point.x, point.y);
    std::vector<INPUT> inputs;
    for (const DWORD action : actions) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = action;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// `clicks` presses and releases of the left button at `point`, all queued at once: two of
// them make a double click.
inline void leftClicks(HWND window, POINT point, int clicks) {
    for (int click = 0; click < clicks; ++click) {
        leftButtonAt(window, point, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
}

}  // namespace tinzel::testing
