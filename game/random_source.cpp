// The game's random generator: its seeding from the clock, and its draws.
#include "game/random_source.h"

namespace tinzel {

namespace {

std::seed_seq seedSequence(std::uint32_t a, std::uint32_t b, std::uint64_t reading) {
    return std::seed_seq{a, b, static_cast<std::uint32_t>(reading),
                         static_cast<std::uint32_t>(reading >> 32)};
}

}  // namespace

RandomSource::RandomSource(std::uint64_t initialSeed) {
    auto sequence = seedSequence(0, 0, initialSeed);
    engine_.seed(sequence);
}

void RandomSource::seed(std::uint64_t clockReading) {
    const std::uint32_t carriedHigh = engine_();
    const std::uint32_t carriedLow = engine_();
    auto sequence = seedSequence(carriedHigh, carriedLow, clockReading);
    engine_.seed(sequence);
}

void RandomSource::replay(std::span<const float> draws) {
    replayed_.insert(replayed_.begin(), draws.rbegin(), draws.rend());
}

}  // namespace tinzel
