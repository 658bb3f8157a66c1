// The Windows program: the window and the game run to their end by the message loop.
#pragma once

#include "ui/form_runtime.h"
#include "ui/win32/win32_window.h"

namespace tinzel::win32 {

// Runs Tinzel to its end, the window's keyboard included. Returns the exit status.
int runMessageLoop(FormRuntime& runtime, Win32Window& window);

// The whole program: creates the window and the game and runs them to the end. Returns the
// exit status: 0 when the game ends or the window is closed, 1 after an error report, a
// failure to create the window included.
int runGame(HINSTANCE instance);

}  // namespace tinzel::win32
