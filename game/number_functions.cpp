// The decimal texts of numbers, with the sign position a score keeps.
#include "game/number_functions.h"

#include <charconv>

namespace tinzel {

std::string decimal(long long value) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

std::string numberText(long long value) {
    // The sign position always holds something, so scores stay aligned after a label's prefix.
    return value < 0 ? decimal(value) : " " + decimal(value);
}

}  // namespace tinzel
