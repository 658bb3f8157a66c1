// The window's module: the game state and the four procedures that make the game.
#pragma once

#include <cstdint>

#include "game/form_events.h"
#include "game/game_state.h"
#include "game/random_source.h"
#include "game/runtime_services.h"

namespace tinzel {

namespace testing {
class Form1ModulePeer;
}

// Created once at program start and kept until the program ends; the window it drives is
// torn down and rebuilt every round, but this object and its state are not.
class Form1Module : public FormEvents {
  public:
    // `initialSeed` starts the random source; every round start then folds in the clock.
    explicit Form1Module(RuntimeServices& runtime, std::uint64_t initialSeed = 0)
        : runtime_(runtime), random_(initialSeed) {}

    // Starts a round: seeds the random source, then `loadvars`, then `loadshapes`.
    void Form_Load() override;

    // Judges the answer by the clicked colour's count, counts a win or a loss, and starts
    // the next round by unloading the window and showing it again.
    void Color_Click(std::int16_t Index) override;

    // Clears this round's counts, writes the scoreboard, and ends the game at ten wins.
    void loadvars();

    // Deals the hundred squares so that exactly one colour covers exactly ten of them, then
    // creates colour buttons 1 to 10 below the design-time button 0.
    void loadshapes();

    const GameState& state() const { return state_; }

  private:
    // Tests, benchmarks and the fuzzer set a state up and script the draws through it
    // (tests/form1_module_peer.h); no front end can.
    friend class testing::Form1ModulePeer;

    // Draws the next colour into `colorDraw` and returns it as a checked palette index.
    int drawColor();

    RuntimeServices& runtime_;
    RandomSource random_;
    GameState state_;
};

}  // namespace tinzel
