// Translating the keyboard on the colour buttons, and keeping the focus across activations.
#include "ui/win32/keyboard_focus.h"

namespace tinzel::win32 {

namespace {

ButtonKey buttonKey(WPARAM key) {
    switch (key) {
        case VK_UP:
            return ButtonKey::Up;
        case VK_DOWN:
            return ButtonKey::Down;
        case VK_RETURN:
            return ButtonKey::Enter;
        default:
            return ButtonKey::Other;
    }
}

}  // namespace

bool KeyboardFocus::translate(MSG& message, const FormModel* model) {
    const int index = message.message == WM_KEYDOWN && model != nullptr
                          ? controls_.buttonIndexOf(message.hwnd)
                          : -1;
    if (index >= 0) {
        const bool repeated = (message.lParam & (1 << 30)) != 0;
        const ButtonKeyAction action = buttonKeys_.pressed(buttonKey(message.wParam), repeated);
        switch (action) {
            case ButtonKeyAction::StepUp:
            case ButtonKeyAction::StepDown:
                focus(model->neighbourButton(index, focusStep(action)));
                return true;
            case ButtonKeyAction::Answer:
                SendMessageW(message.hwnd, BM_CLICK, 0, 0);
                return true;
            case ButtonKeyAction::Nothing:
                return true;
            case ButtonKeyAction::PassOn:
                break;
        }
    }
    if (message.message == WM_KEYUP) {
        buttonKeys_.released(buttonKey(message.wParam));
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
