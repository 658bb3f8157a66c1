// What the Qt window's tests and benchmarks reach inside the window: its controls, made by
// the first render and kept to the end (null before it).
#pragma once

#include "ui/qt/qt_window.h"

namespace tinzel::testing {

class QtWindowPeer {
  public:
    explicit QtWindowPeer(const qt::QtWindow& window) : window_(window) {}

    qt::Form1Controls* controls() const { return window_.controls_; }

  private:
    const qt::QtWindow& window_;
};

}  // namespace tinzel::testing
