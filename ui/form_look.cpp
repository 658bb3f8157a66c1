// The shapes of the one look: the buttons' edges and focus ring, the score's places.
#include "ui/form_look.h"

#include <algorithm>
#include <cmath>

namespace tinzel::look {

std::vector<PixelRect> frame(int width, int height, int thickness) {
    const int band = std::min({thickness, width / 2, height / 2});
    return {{0, 0, width, band},
            {0, height - band, width, height},
            {0, band, band, height - band},
            {width - band, band, width, height - band}};
}

std::vector<PixelRect> focusRing(int width, int height) {
    const int left = kFocusRingInset;
    const int top = kFocusRingInset;
    const int right = width - kFocusRingInset;
    const int bottom = height - kFocusRingInset;
    std::vector<PixelRect> dashes;
    if (right - left < 2 * kFocusRingWidth || bottom - top < 2 * kFocusRingWidth) {
        return dashes;  // no room inside for a ring
    }
    const int period = 2 * kFocusRingDash;
    for (int x = left; x < right; x += period) {
        const int end = std::min(x + kFocusRingDash, right);
        dashes.push_back({x, top, end, top + kFocusRingWidth});
        dashes.push_back({x, bottom - kFocusRingWidth, end, bottom});
    }
    for (int y = top + period; y < bottom - kFocusRingWidth; y += period) {
        const int end = std::min(y + kFocusRingDash, bottom - kFocusRingWidth);
        dashes.push_back({left, y, left + kFocusRingWidth, end});
        dashes.push_back({right - kFocusRingWidth, y, right, end});
    }
    return dashes;
}

std::vector<int> scorePlaces(std::size_t characters, double advance) {
    std::vector<int> places;
    for (std::size_t k = 0; k < characters; ++k) {
        places.push_back(static_cast<int>(std::lround(static_cast<double>(k) * advance)));
    }
    return places;
}

}  // namespace tinzel::look
