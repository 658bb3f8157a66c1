// What the Windows window's tests reach inside it: this load's controls, as the window keeps
// them, and a square's place in its client area (the board is painted, not child windows).
#pragma once

#include "ui/win32/win32_window.h"

namespace tinzel::testing {

class Win32WindowPeer {
  public:
    explicit Win32WindowPeer(const win32::Win32Window& window) : window_(window) {}

    HWND colorButton(int index) const { return window_.colorButton(index); }
    HWND scoreLabel(ScoreLabel label) const { return window_.scoreLabel(label); }
    HWND label2() const { return window_.label2_; }
    // The DPI the window is laid out at now.
    int dpi() const { return window_.dpi_; }
    RECT squareRect(int index) const { return window_.squareRect(index); }
    // From the unload of a round until its successor is rendered whole, nothing may be drawn.
    bool roundShown() const { return window_.model_ != nullptr && !window_.rendering_; }

  private:
    const win32::Win32Window& window_;
};

}  // namespace tinzel::testing
