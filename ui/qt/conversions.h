// The one place where the game's values become Qt's: texts, colours, and the design's twips
// as pixels at the screen's resolution.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <string_view>

#include "game/color_value.h"
#include "ui/form_design.h"
#include "ui/twips.h"

namespace tinzel::qt {

// The logical resolution of the screen the window is on, in dots per inch.
struct Resolution {
    int dpiX = 96;
    int dpiY = 96;
};

QString toQString(std::string_view text);
QColor toQColor(ColorValue color);

// Twips across or down, in pixels.
int pixelsX(int twips, Resolution resolution);
int pixelsY(int twips, Resolution resolution);
// Each edge is rounded on its own, so rectangles that touch in twips touch in pixels too.
QRect toQRect(const design::TwipsRect& rect, Resolution resolution);
QRect toQRect(const PixelRect& rect);

}  // namespace tinzel::qt
