// The game's message boxes on Windows: modal, titled with the application's title, with one
// OK, and deaf to a key held down through what opened them.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string_view>

namespace tinzel::win32 {

// Returns when the player dismisses it. `isError` gives it the error icon of a report.
void showMessageBox(HWND owner, std::string_view text, bool isError);

}  // namespace tinzel::win32
