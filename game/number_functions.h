// The number helpers the game's rules and messages are written with.
#pragma once

#include <string>

namespace tinzel {

// The largest whole number not above `value`. Inline and free of library calls: dealing a
// board rounds every draw. Floats of 2^23 and above (and infinities, NaN) are already whole.
constexpr float roundDown(float value) {
    constexpr float kWholeFrom = 8388608.0f;  // 2^23
    if (!(value > -kWholeFrom && value < kWholeFrom)) {
        return value;
    }
    const float truncated = static_cast<float>(static_cast<int>(value));
    return truncated > value ? truncated - 1.0f : truncated;
}

// The decimal digits of `value`, a minus sign first for a negative one. Written without the
// C library's printf, which would be most of what the page downloads of the game's own code.
std::string decimal(long long value);

// A count as the scoreboard writes it: a leading blank for zero or more (a minus sign for a
// negative value), then the decimal digits, with no padding and no grouping.
std::string numberText(long long value);

}  // namespace tinzel
