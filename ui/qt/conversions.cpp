// The game's texts and colours as Qt's.
#include "ui/qt/conversions.h"

namespace tinzel::qt {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor toQColor(ColorValue color) {
    return QColor(redOf(color), greenOf(color), blueOf(color));
}

int pixelsX(int twips, Resolution resolution) {
    return twipsToPixels(twips, resolution.dpiX);
}

int pixelsY(int twips, Resolution resolution) {
    return twipsToPixels(twips, resolution.dpiY);
}

QRect toQRect(const design::TwipsRect& rect, Resolution resolution) {
    return toQRect(twipsToPixels(rect, resolution.dpiX, resolution.dpiY));
}

QRect toQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

}  // namespace tinzel::qt
