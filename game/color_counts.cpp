#include "game/color_counts.h"

#include <string>

#include "game/game_error.h"

namespace tinzel {

std::size_t ColorCounts::checked(int index) {
    if (index < 0 || index >= static_cast<int>(kColorCount)) {
        throw GameError(GameError::Kind::SubscriptOutOfRange,
                        "Subscript out of range: colour index " + std::to_string(index));
    }
    return static_cast<std::size_t>(index);
}

int ColorCounts::checkedIndex(float colorDraw) {
    if (!(colorDraw >= 0.0f && colorDraw <= static_cast<float>(kColorCount - 1))) {
        throw GameError(GameError::Kind::SubscriptOutOfRange,
                        "Subscript out of range: colour index " + std::to_string(colorDraw));
    }
    return static_cast<int>(colorDraw);
}

}  // namespace tinzel
