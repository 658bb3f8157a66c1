#include "ui/qt/palette_colors.h"

#include <algorithm>

#include "game/palette.h"

namespace tinzel::qt {

QColor toQColor(ColorValue color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

QString colorName(ColorValue color) {
    const auto found = std::find(Palette.begin(), Palette.end(), color);
    if (found == Palette.end()) {
        return toQColor(color).name();
    }
    const std::string_view name = PaletteNames[static_cast<std::size_t>(found - Palette.begin())];
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace tinzel::qt
