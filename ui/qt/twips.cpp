#include "ui/qt/twips.h"

#include "ui/twips.h"

namespace tinzel::qt {

int twipsToPixelsX(int twips, Resolution resolution) {
    return tinzel::twipsToPixels(twips, resolution.dpiX);
}

int twipsToPixelsY(int twips, Resolution resolution) {
    return tinzel::twipsToPixels(twips, resolution.dpiY);
}

QRect twipsToPixels(const design::TwipsRect& rect, Resolution resolution) {
    const PixelRect pixels = tinzel::twipsToPixels(rect, resolution.dpiX, resolution.dpiY);
    return QRect(pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top);
}

}  // namespace tinzel::qt
