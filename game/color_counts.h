// How many squares of each palette colour this round's dealing has produced so far.
#pragma once

#include <array>
#include <cstddef>

#include "game/palette.h"

namespace tinzel {

// Eleven counters, indices 0 to 10. Every access checks its index first: one outside that
// range is a subscript error, never a read or write beside the array.
class ColorCounts {
  public:
    int& operator[](int index) { return counts_[checked(index)]; }
    int operator[](int index) const { return counts_[checked(index)]; }

    void clear() { counts_.fill(0); }

    // A colour draw is a whole number held as a float; it is checked before it is converted,
    // so a value far outside the range (or not a number at all) is caught too.
    static int checkedIndex(float colorDraw) {
        if (!(colorDraw >= 0.0f && colorDraw <= static_cast<float>(kColorCount - 1))) [[unlikely]] {
            throwSubscriptError(colorDraw);
        }
        return static_cast<int>(colorDraw);
    }

  private:
    // Dealing a board checks an index a few hundred times, so the check stays inline.
    static std::size_t checked(int index) {
        if (index < 0 || index >= static_cast<int>(kColorCount)) [[unlikely]] {
            throwSubscriptError(static_cast<float>(index));
        }
        return static_cast<std::size_t>(index);
    }
    [[noreturn]] static void throwSubscriptError(float index);

    std::array<int, kColorCount> counts_{};
};

}  // namespace tinzel
