// The real Qt window under load: the time from an answer to the next round's first painted
// frame, next to a plain repaint of the same window, and resident memory over many rounds.
// Usage: tinzel_window_bench turnover ROUNDS | memory
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "bench/resident_memory.h"
#include "tests/qt/window_player.h"

namespace {

using tinzel::testing::WindowPlayer;

struct Percentiles {
    double median;
    double p99;
};

Percentiles percentiles(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double fraction) {
        return micros[static_cast<std::size_t>(fraction * static_cast<double>(micros.size() - 1))];
    };
    return {at(0.5), at(0.99)};
}

// Answers rightly or wrongly at random, but stops short of the tenth win: what is measured
// is the round turnover, and the end of a game is not a round.
void playRound(WindowPlayer& player, std::mt19937& choices) {
    const bool right = choices() % 2 == 0 && player.game().state().winCount < 9;
    const int index = right ? player.tenColor() : (player.tenColor() + 1) % 11;
    player.answer(index, WindowPlayer::Activation::MouseClick, true);
}

int turnover(int rounds) {
    WindowPlayer player;
    std::mt19937 choices(1);
    std::vector<double> roundMicros;
    std::vector<double> repaintMicros;
    QElapsedTimer clock;
    for (int round = 0; round < rounds; ++round) {
        clock.start();
        playRound(player, choices);
        roundMicros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
        clock.start();
        player.repaint();
        repaintMicros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    const Percentiles round = percentiles(roundMicros);
    const Percentiles repaint = percentiles(repaintMicros);
    std::printf("turnover_median_us %.1f\nturnover_p99_us %.1f\n", round.median, round.p99);
    std::printf("repaint_median_us %.1f\nrepaint_p99_us %.1f\n", repaint.median, repaint.p99);
    return 0;
}

int memory() {
    WindowPlayer player;
    std::mt19937 choices(2);
    std::printf("rss_start_kib %ld\n", tinzel::bench::residentKiB());
    for (int round = 1; round <= 10000; ++round) {
        playRound(player, choices);
        if (round == 1000 || round == 10000) {
            std::printf("rss_%d_rounds_kib %ld\n", round, tinzel::bench::residentKiB());
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "turnover") == 0) {
        return turnover(std::atoi(argv[2]));
    }
    if (argc == 2 && std::strcmp(argv[1], "memory") == 0) {
        return memory();
    }
    std::fprintf(stderr, "usage: tinzel_window_bench turnover ROUNDS | memory\n");
    return 2;
}
