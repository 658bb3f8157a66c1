// The board's accessible object (MSAA): a table (ROLE_SYSTEM_TABLE) whose cells are simple
// children numbered row by row from 1 (ROLE_SYSTEM_CELL), each named by its square's colour
// and described by its place, read from the window's board whenever asked.
#pragma once

#include "ui/win32/accessible_object.h"
#include "ui/win32/window_accessibility.h"

namespace tinzel::win32 {

// With one reference, for the window to hand out and disconnect.
AccessibleObject* newBoardObject(const WindowAccessibility& owner);

}  // namespace tinzel::win32
