// The game's random generator: explicit state that a front end seeds from its clock and
// that tests can seed with a fixed value to replay a deal.
#pragma once

#include <cstdint>
#include <random>

namespace tinzel {

class RandomSource {
  public:
    RandomSource() = default;
    explicit RandomSource(std::uint64_t initialSeed);

    // Folds a clock reading into the current state instead of replacing it, so two round
    // starts that read the same clock tick still deal different boards.
    void seed(std::uint64_t clockReading);

    // Uniform in [0, 1) at 24-bit resolution: every value is a multiple of 2^-24, the
    // largest is 1 - 2^-24, and that times 11, rounded down, is still 10.
    float draw();

  private:
    std::mt19937 engine_;
};

}  // namespace tinzel
