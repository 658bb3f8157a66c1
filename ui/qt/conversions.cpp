#include "ui/qt/conversions.h"

#include "ui/twips.h"

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
    const PixelRect pixels = twipsToPixels(rect, resolution.dpiX, resolution.dpiY);
    return QRect(pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top);
}

}  // namespace tinzel::qt
