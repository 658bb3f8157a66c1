// The game's module wired to a recording runtime, as a front end wires it at start-up.
#pragma once

#include <cstdint>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/recording_runtime.h"
#include "tests/ten_color.h"

namespace tinzel::testing {

struct TestGame {
    explicit TestGame(std::uint64_t fallbackSeed = 1) : runtime(fallbackSeed) {
        runtime.attach(module);
    }

    // Start-up: the window is shown, which loads it and so deals the first round.
    void start() { runtime.showForm(); }

    // The colour that this round's dealing brought to ten squares.
    int tenColor() const { return testing::tenColor(module.state()); }

    void answerRight() { module.Color_Click(static_cast<std::int16_t>(tenColor())); }
    void answerWrong() {
        module.Color_Click(static_cast<std::int16_t>(wrongColor(module.state())));
    }

    RecordingRuntime runtime;
    Form1Module module{runtime};
};

}  // namespace tinzel::testing
