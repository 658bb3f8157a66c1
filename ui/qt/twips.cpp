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
    const int left = twipsToPixelsX(rect.left, resolution);
    const int top = twipsToPixelsY(rect.top, resolution);
    const int right = twipsToPixelsX(rect.left + rect.width, resolution);
    const int bottom = twipsToPixelsY(rect.top + rect.height, resolution);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace tinzel::qt
