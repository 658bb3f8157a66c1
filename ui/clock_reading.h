// The seed material a front end gives the game's random source at every round start.
#pragma once

#include <chrono>
#include <cstdint>

namespace tinzel {

// A high-resolution clock reading; the random source folds it into its state.
inline std::uint64_t clockReading() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

}  // namespace tinzel
