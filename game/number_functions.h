// The two number helpers the game's rules are written with.
#pragma once

#include <string>

namespace tinzel {

// The largest whole number not above `value`.
float roundDown(float value);

// A count as the scoreboard writes it: a leading blank for zero or more (a minus sign for a
// negative value), then the decimal digits, with no padding and no grouping.
std::string numberText(long long value);

}  // namespace tinzel
