#include "ui/win32/keyboard_focus.h"

namespace tinzel::win32 {

bool KeyboardFocus::translate(MSG& message, const FormModel* model) {
    const int index = message.message == WM_KEYDOWN && model != nullptr
                          ? controls_.buttonIndexOf(message.hwnd)
                          : -1;
    if (index >= 0 && (message.wParam == VK_UP || message.wParam == VK_DOWN)) {
        focus(model->neighbourButton(index, message.wParam == VK_UP ? -1 : +1));
        return true;
    }
    if (index >= 0 && message.wParam == VK_RETURN) {
        // Enter answers with the focused button, as Space does; a held key answers once.
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        if (buttonKeys_.down(VK_RETURN, repeated)) {
            SendMessageW(message.hwnd, BM_CLICK, 0, 0);
        }
        return true;
    }
    if (message.message == WM_KEYUP && message.wParam == VK_RETURN) {
        buttonKeys_.up(VK_RETURN);
    }
    return IsDialogMessageW(frame_, &message) != FALSE;
}

void KeyboardFocus::focus(int index) {
    focusOnReturn_ = index;
    SetFocus(controls_.colorButton(index));
}

void KeyboardFocus::deactivated() {
    if (const int button = focused(); button >= 0) {
        focusOnReturn_ = button;
    }
}

// Only the colour buttons take the focus, so it goes to the button the player was on.
void KeyboardFocus::regained() {
    focus(controls_.colorButton(focusOnReturn_) != nullptr ? focusOnReturn_ : 0);
}

}  // namespace tinzel::win32
