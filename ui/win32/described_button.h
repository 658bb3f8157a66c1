// A colour button as MSAA tells it once a round's news is on it: the system's own object for
// the button, with the news (ui/round_news.h) as its description. A screen reader speaks a
// change of the focused control's description, so the news is heard where the player is.
#pragma once

#include <string>

#include "ui/win32/accessible_object.h"

namespace tinzel::win32 {

// The answer to the button's WM_GETOBJECT for its client object: the system's object, told
// `news` as its description. 0 if the system cannot make its object.
LRESULT describedButtonObject(HWND button, WPARAM flags, const std::wstring& news);

}  // namespace tinzel::win32
