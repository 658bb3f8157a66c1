// A score's caption as every window sets it (ui/form_look.h): in the score face, set in from
// the inside of the label's frame, each character at its place one advance of the face from
// the last, to the nearest whole pixel, and clipped to the frame.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace tinzel::win32 {

// `font`'s face advances `advance` pixels a character; `inside` is within the frame.
void drawScoreText(HDC context, HFONT font, double advance, const RECT& inside,
                   const std::wstring& text, COLORREF ink);

}  // namespace tinzel::win32
