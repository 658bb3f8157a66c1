// How fast a board is dealt, next to the cost of the random draws that dealing it takes.
#include <benchmark/benchmark.h>

#include <cmath>

#include "game/form1_module.h"
#include "tests/form1_module_peer.h"
#include "tests/quiet_runtime.h"

namespace {

using tinzel::Form1Module;
using tinzel::testing::Form1ModulePeer;
using tinzel::testing::QuietRuntime;

void clearRound(Form1Module& module) {
    Form1ModulePeer(module).state().colorCount.clear();
    Form1ModulePeer(module).state().tenReached = false;
}

// Draws a board takes on average, redraws included (a little over 100).
long averageDrawsPerBoard() {
    QuietRuntime runtime;
    Form1Module module(runtime, 7);
    constexpr int kBoards = 10000;
    for (int board = 0; board < kBoards; ++board) {
        clearRound(module);
        module.loadshapes();
    }
    return std::lround(static_cast<double>(Form1ModulePeer(module).random().drawsTaken()) /
                       kBoards);
}

void DealBoard(benchmark::State& state) {
    QuietRuntime runtime;
    Form1Module module(runtime, 42);
    for (auto _ : state) {
        clearRound(module);
        module.loadshapes();
        benchmark::DoNotOptimize(module.state().colorCount);
    }
    state.counters["boards_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["draws_per_board"] =
        static_cast<double>(Form1ModulePeer(module).random().drawsTaken()) /
        static_cast<double>(state.iterations());
}

// The floor under dealing: the same number of draws from the same generator, nothing else.
void DrawsOfOneBoard(benchmark::State& state) {
    const long draws = averageDrawsPerBoard();
    tinzel::RandomSource random(42);
    for (auto _ : state) {
        for (long draw = 0; draw < draws; ++draw) {
            benchmark::DoNotOptimize(random.draw());
        }
    }
    state.counters["draws_per_board"] = static_cast<double>(draws);
}

}  // namespace

BENCHMARK(DealBoard);
BENCHMARK(DrawsOfOneBoard);
BENCHMARK_MAIN();
