// What the Windows window's tests reach inside it: this load's controls, as the window keeps
// them, its DPI, and a square's place in its client area (the board is painted, not child
// windows).
#pragma once

#include "ui/win32/win32_window.h"

namespace tinzel::testing {

class Win32WindowPeer {
  public:
    explicit Win32WindowPeer(const win32::Win32Window& window) : window_(window) {}

    HWND colorButton(int index) const { return window_.controls_->colorButton(index); }
    HWND scoreLabel(ScoreLabel label) const { return window_.controls_->scoreLabel(label); }
    HWND label2() const { return window_.controls_->label2_; }
    // The font a score label's caption is drawn in now, and its advance.
    HFONT scoreFont(ScoreLabel label) const { return window_.controls_->scoreFont(label); }
    double scoreAdvance(ScoreLabel label) const { return window_.controls_->scoreAdvance(label); }
    int dpi() const { return window_.controls_->dpi(); }
    RECT squareRect(int index) const {
        return window_.controls_->pixels(window_.model_->element(ControlArray::Square, index).rect);
    }
    // From the unload of a round until its successor is rendered whole, nothing may be drawn.
    bool roundShown() const { return window_.model_ != nullptr && !window_.rendering_; }

  private:
    const win32::Win32Window& window_;
};

}  // namespace tinzel::testing
