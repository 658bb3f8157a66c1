// The game's module wired to a recording runtime, as a front end wires it at start-up.
#pragma once

#include <cstdint>
#include <vector>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/form1_module_peer.h"
#include "tests/recording_runtime.h"
#include "tests/ten_color.h"

namespace tinzel::testing {

struct TestGame {
    // Draws beyond the scripted ones come from the game's generator, seeded with this.
    explicit TestGame(std::uint64_t seed = 1) : module(runtime, seed) { runtime.attach(module); }

    // Start-up: the window is shown, which loads it and so deals the first round.
    void start() { runtime.showForm(); }

    // The colour that this round's dealing brought to ten squares.
    int tenColor() const { return testing::tenColor(module.state()); }

    void answerRight() { module.Color_Click(static_cast<std::int16_t>(tenColor())); }
    void answerWrong() {
        module.Color_Click(static_cast<std::int16_t>(wrongColor(module.state())));
    }

    void scriptDraws(const std::vector<float>& draws) {
        Form1ModulePeer(module).random().replay(draws);
    }
    // Scripts one draw that lands in the middle of each given colour's slice of [0, 1).
    void scriptColors(const std::vector<int>& colors) {
        std::vector<float> draws;
        for (int color : colors) {
            draws.push_back((static_cast<float>(color) + 0.5f) / static_cast<float>(kColorCount));
        }
        scriptDraws(draws);
    }
    std::uint64_t drawsTaken() { return Form1ModulePeer(module).random().drawsTaken(); }

    RecordingRuntime runtime;
    Form1Module module;
};

}  // namespace tinzel::testing
