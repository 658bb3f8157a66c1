// The window's keyboard and focus: Tab and Shift+Tab move along the colour buttons, the keys
// of ui/button_keys.h step along the column and answer, Space answers too; and the button the
// player was on when another program took the focus gets it back when the window does.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "ui/button_keys.h"
#include "ui/form_model.h"
#include "ui/win32/form1_controls.h"

namespace tinzel::win32 {

class KeyboardFocus {
  public:
    KeyboardFocus(HWND frame, const Form1Controls& controls) : frame_(frame), controls_(controls) {}

    // Offered every message before it is dispatched; whether it was used. `model` is this
    // round's, or null between rounds.
    bool translate(MSG& message, const FormModel* model);

    // The colour button that holds the focus, or -1; giving it to one.
    int focused() const { return controls_.buttonIndexOf(GetFocus()); }
    void focus(int index);

    // Another program took the activation; the window got the focus back.
    void deactivated();
    void regained();

  private:
    HWND frame_;
    const Form1Controls& controls_;
    ButtonKeys buttonKeys_;
    // The button the player was on when the window lost the focus to another program.
    int focusOnReturn_ = 0;
};

}  // namespace tinzel::win32
