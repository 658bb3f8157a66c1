// libFuzzer target: deals boards from any sequence of draws the fuzzer can think of and
// checks every rule of the deal. The first byte picks the answer; every three bytes after it
// are one draw in [0, 1); when they run out, the real generator carries on.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "game/form1_module.h"
#include "game/palette.h"
#include "tests/form1_module_peer.h"
#include "tests/quiet_runtime.h"

namespace {

void require(bool holds, const char* rule) {
    if (!holds) {
        std::fprintf(stderr, "deal broke a rule: %s\n", rule);
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto answer = static_cast<std::int16_t>(data[0] % tinzel::kColorCount);
    std::vector<float> draws;
    for (std::size_t at = 1; at + 3 <= size; at += 3) {
        const std::uint32_t bits = data[at] | (data[at + 1] << 8) | (data[at + 2] << 16);
        draws.push_back(static_cast<float>(bits) / 16777216.0f);
    }
    tinzel::testing::QuietRuntime runtime;
    tinzel::Form1Module game(runtime, size);
    tinzel::testing::Form1ModulePeer(game).random().replay(draws);
    game.Form_Load();

    const auto& state = game.state();
    std::array<int, tinzel::kColorCount> painted{};
    for (int square = 1; square <= 100; ++square) {
        const auto* found =
            std::find(tinzel::Palette.begin(), tinzel::Palette.end(), runtime.squareColor(square));
        require(found != tinzel::Palette.end(), "every square has a palette colour");
        ++painted[static_cast<std::size_t>(found - tinzel::Palette.begin())];
    }
    int total = 0;
    int tens = 0;
    for (int color = 0; color <= 10; ++color) {
        require(painted[static_cast<std::size_t>(color)] == state.colorCount[color],
                "the counts match the colours on the board");
        require(state.colorCount[color] <= 10, "no colour covers more than ten squares");
        total += state.colorCount[color];
        tens += state.colorCount[color] == 10 ? 1 : 0;
    }
    require(total == 100, "a hundred squares are dealt");
    require(tens == 1 && state.tenReached, "exactly one colour covers ten squares");
    require(tinzel::testing::Form1ModulePeer(game).random().drawsTaken() >= 100,
            "every square takes at least one draw");

    const bool right = state.colorCount[answer] == 10;
    game.Color_Click(answer);
    require(state.winCount == (right ? 1 : 0) && state.lossCount == (right ? 0 : 1),
            "the answer is judged by the clicked colour's count");
    return 0;
}
