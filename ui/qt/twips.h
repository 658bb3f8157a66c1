// Turning the design's twips into the window's pixels.
#pragma once

#include <QRect>

#include "ui/form_design.h"

namespace tinzel::qt {

// The logical resolution of the screen the window is on, in dots per inch.
struct Resolution {
    int dpiX = 96;
    int dpiY = 96;
};

int twipsToPixelsX(int twips, Resolution resolution);
int twipsToPixelsY(int twips, Resolution resolution);

// Each edge is rounded on its own, so rectangles that touch in twips touch in pixels too.
QRect twipsToPixels(const design::TwipsRect& rect, Resolution resolution);

}  // namespace tinzel::qt
