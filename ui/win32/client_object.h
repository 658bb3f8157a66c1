// The window's client area as an accessible object (MSAA): the system's own object for it,
// whose children are the board and each shown control but the one left out.
#pragma once

#include "ui/win32/accessible_object.h"
#include "ui/win32/window_accessibility.h"

namespace tinzel::win32 {

// Wraps `standard`, the system's object for the client area, taking its reference; with one
// reference of its own, for the window to hand out and disconnect.
AccessibleObject* newClientObject(WindowAccessibility& owner, IAccessible* standard);

}  // namespace tinzel::win32
