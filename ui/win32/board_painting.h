// The board as the window paints it in its own client area: the panel's colour, and each
// shown square in its colour inside its border.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <functional>

#include "ui/form_model.h"
#include "ui/win32/brushes.h"

namespace tinzel::win32 {

// Paints what lies in `dirty` of the board of `model` (none between rounds); `pixels` places a
// rectangle of the design in the client area.
void paintBoard(HDC context, const RECT& dirty, const FormModel* model, Brushes& brushes,
                const std::function<RECT(const design::TwipsRect&)>& pixels);

}  // namespace tinzel::win32
