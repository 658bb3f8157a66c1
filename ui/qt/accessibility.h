// What Qt's accessibility layer tells a screen reader of the window Form1, the same as every
// window tells it: a frame named "Form1" holding the board as one table (ui/qt/board_accessible.h),
// the colour buttons named by colour, and the two scores; Label2, a one-pixel line of no
// meaning, is left out.
#pragma once

namespace tinzel::qt {

// Puts the window's own accessibility interfaces in place of Qt's defaults. Called before the
// window's first interface is made (Qt keeps each interface once made); later calls do nothing.
void installAccessibility();

}  // namespace tinzel::qt
