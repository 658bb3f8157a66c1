#include "game/number_functions.h"

namespace tinzel {

std::string numberText(long long value) {
    // The sign position always holds something, so scores stay aligned after a label's prefix.
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

}  // namespace tinzel
