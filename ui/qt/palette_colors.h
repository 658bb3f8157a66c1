// The one place where the game's colour values become Qt colours.
#pragma once

#include <QColor>

#include "game/color_value.h"

namespace tinzel::qt {

QColor toQColor(ColorValue color);

}  // namespace tinzel::qt
