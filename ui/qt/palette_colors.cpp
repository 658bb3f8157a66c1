#include "ui/qt/palette_colors.h"

#include "game/palette.h"

namespace tinzel::qt {

QColor toQColor(ColorValue color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

}  // namespace tinzel::qt
