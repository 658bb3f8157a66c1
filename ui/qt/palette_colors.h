// The one place where the game's colour values become Qt colours.
#pragma once

#include <QColor>
#include <QString>

#include "ui/runtime_services.h"

namespace tinzel::qt {

QColor toQColor(ColorValue color);

// The palette name of a colour ("Black", "Grey", …), or its hex code if it has none.
QString colorName(ColorValue color);

}  // namespace tinzel::qt
