// The clock reading a front end gives the game at every round start, to seed its dice.
#pragma once

#include <chrono>
#include <cstdint>

namespace tinzel {

inline std::uint64_t steadyClockReading() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace tinzel
