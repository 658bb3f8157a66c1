// The game's random generator: explicit state, seeded from the front end's clock at every
// round start, that tests can seed with a fixed value or script draw by draw.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <vector>

namespace tinzel {

class RandomSource {
  public:
    RandomSource() = default;
    explicit RandomSource(std::uint64_t initialSeed);

    // Folds a clock reading into the current state instead of replacing it, so two round
    // starts that read the same clock tick still deal different boards.
    void seed(std::uint64_t clockReading);

    // Uniform in [0, 1) at 24-bit resolution: every value is a multiple of 2^-24, the
    // largest is 1 - 2^-24, and that times 11, rounded down, is still 10. Dealing a board
    // draws a hundred times or more, so this stays inline.
    float draw() {
        ++drawsTaken_;
        if (!replayed_.empty()) [[unlikely]] {
            const float next = replayed_.back();
            replayed_.pop_back();
            return next;
        }
        // A float holds 24 significant bits; keeping only that many makes every value exact.
        constexpr float kStep = 1.0f / 16777216.0f;
        return static_cast<float>(engine_() >> 8) * kStep;
    }

    // Hands out `draws` first, in order, before the generator's own: a test replays an exact
    // deal with them, and may give values no generator yields (1.0, infinity) to reach the
    // game's own checks.
    void replay(std::span<const float> draws);

    std::uint64_t drawsTaken() const { return drawsTaken_; }

  private:
    std::mt19937 engine_;
    std::vector<float> replayed_;  // last to be drawn first
    std::uint64_t drawsTaken_ = 0;
};

}  // namespace tinzel
