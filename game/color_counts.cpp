#include "game/color_counts.h"

#include <cmath>
#include <string>

#include "game/game_error.h"

namespace tinzel {

void ColorCounts::throwSubscriptError(float index) {
    const std::string shown = std::isfinite(index) && std::floor(index) == index
                                  ? std::to_string(static_cast<long long>(index))
                                  : std::to_string(index);
    throw GameError(GameError::Kind::SubscriptOutOfRange,
                    "Subscript out of range: colour index " + shown);
}

}  // namespace tinzel
