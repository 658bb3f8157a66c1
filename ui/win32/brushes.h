// Solid brushes by colour, each made once and kept as long as the window, and the one look's
// shapes (ui/form_look.h) filled with them.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <map>
#include <vector>

#include "game/color_value.h"
#include "ui/twips.h"

namespace tinzel::win32 {

class Brushes {
  public:
    Brushes() = default;
    ~Brushes() {
        for (auto& [color, brush] : brushes_) {
            DeleteObject(brush);
        }
    }
    Brushes(const Brushes&) = delete;
    Brushes& operator=(const Brushes&) = delete;

    HBRUSH of(ColorValue color) {
        auto found = brushes_.find(color);
        if (found == brushes_.end()) {
            found = brushes_.emplace(color, CreateSolidBrush(static_cast<COLORREF>(color))).first;
        }
        return found->second;
    }

    // Fills each rectangle of `shape`, given from `origin`.
    void fill(HDC context, const std::vector<PixelRect>& shape, POINT origin, ColorValue color) {
        for (const PixelRect& part : shape) {
            const RECT area{origin.x + part.left, origin.y + part.top, origin.x + part.right,
                            origin.y + part.bottom};
            FillRect(context, &area, of(color));
        }
    }

  private:
    std::map<ColorValue, HBRUSH> brushes_;
};

}  // namespace tinzel::win32
