// What tests, benchmarks and the fuzzer reach inside the game's module, and a front end never
// may: its state, to set a round up, and its random source, to script draws and count them.
#pragma once

#include "game/form1_module.h"

namespace tinzel::testing {

class Form1ModulePeer {
  public:
    explicit Form1ModulePeer(Form1Module& module) : module_(module) {}

    GameState& state() const { return module_.state_; }
    RandomSource& random() const { return module_.random_; }

  private:
    Form1Module& module_;
};

}  // namespace tinzel::testing
