// A message box that takes only the keys pressed while it is shown.
#include "ui/win32/message_box.h"

#include <utility>

#include "ui/form_design.h"
#include "ui/fresh_presses.h"
#include "ui/win32/wide_text.h"

namespace tinzel::win32 {

namespace {

// The keys of the message box that is open: it takes only those pressed while it is shown.
FreshPresses* messageKeys = nullptr;

LRESULT CALLBACK filterMessageKeys(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0 && messageKeys != nullptr) {
        const auto& message = *reinterpret_cast<const MSG*>(lParam);
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        const auto key = static_cast<int>(message.wParam);
        if ((message.message == WM_KEYDOWN && !messageKeys->down(key, repeated)) ||
            (message.message == WM_CHAR && repeated) ||
            (message.message == WM_KEYUP && !messageKeys->up(key))) {
            return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

void showMessageBox(HWND owner, std::string_view text, bool isError) {
    const std::wstring wide = widen(text);
    const std::wstring title = widen(design::kApplicationTitle);
    FreshPresses keys;
    FreshPresses* outer = std::exchange(messageKeys, &keys);
    HHOOK hook = SetWindowsHookExW(WH_MSGFILTER, &filterMessageKeys, nullptr, GetCurrentThreadId());
    MessageBoxW(owner, wide.c_str(), title.c_str(), MB_OK | (isError ? MB_ICONERROR : 0));
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
    }
    messageKeys = outer;
}

}  // namespace tinzel::win32
