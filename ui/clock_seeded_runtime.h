// The random side of every real front end: the game's generator, with a high-resolution clock
// reading folded into it at every round start.
#pragma once

#include <chrono>
#include <cstdint>

#include "game/random_source.h"
#include "ui/runtime_services.h"

namespace tinzel {

class ClockSeededRuntime : public RuntimeServices {
  public:
    void seedRandom() final {
        random_.seed(static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count()));
    }
    float drawRandom() final { return random_.draw(); }

  private:
    RandomSource random_;
};

}  // namespace tinzel
