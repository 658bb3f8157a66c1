// The tally of each colour's squares as a round is dealt, and its checked subscripts.
#include "game/color_counts.h"

#include <cmath>
#include <string>

#include "game/game_error.h"
#include "game/number_functions.h"

namespace tinzel {

void ColorCounts::throwSubscriptError(float index) {
    std::string shown = "a fraction";
    if (!std::isfinite(index)) {
        shown = "no number";
    } else if (std::floor(index) == index) {
        shown = decimal(static_cast<long long>(index));
    } else if (std::fabs(index) < 1e15f) {
        // Whole part and six places, as the number would print.
        const double magnitude = std::fabs(static_cast<double>(index));
        const auto whole = static_cast<long long>(magnitude);
        const auto places = static_cast<long long>((magnitude - static_cast<double>(whole)) * 1e6);
        const std::string fraction = decimal(1000000 + places).substr(1);
        shown = (index < 0 ? "-" : "") + decimal(whole) + "." + fraction;
    }
    throw GameError(GameError::Kind::SubscriptOutOfRange,
                    "Subscript out of range: colour index " + shown);
}

}  // namespace tinzel
