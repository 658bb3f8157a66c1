// The real Qt window under load: the time from an answer to the next round's first painted
// frame, next to a plain repaint of the same window, and resident memory over many rounds.
// Usage: tinzel_window_bench turnover ROUNDS | turnover-listening ROUNDS | memory
// (turnover-listening: as turnover, with a screen reader's accessibility on)
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
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

// Every interface below `node`, made as a screen reader's first read of the window makes
// them: the board's cells among them, which then announce their new names every round.
void walk(QAccessibleInterface* node) {
    for (int index = 0; index < node->childCount(); ++index) {
        if (QAccessibleInterface* child = node->child(index)) {
            walk(child);
        }
    }
}

// A screen reader has come: accessibility on, as the platform's bridge turns it on when one
// connects (the offscreen platform has no bridge, so what is measured is the window's side of
// the work), and the window read once.
void screenReaderArrives(WindowPlayer& player) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        platform->setActive(true);
    }
    walk(QAccessible::queryAccessibleInterface(player.window().frame()));
}

int turnover(int rounds, bool listening) {
    WindowPlayer player;
    if (listening) {
        screenReaderArrives(player);
    }
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
    const char* prefix = listening ? "listening_" : "";
    std::printf("%sturnover_median_us %.1f\n%sturnover_p99_us %.1f\n", prefix, round.median, prefix,
                round.p99);
    std::printf("%srepaint_median_us %.1f\n%srepaint_p99_us %.1f\n", prefix, repaint.median, prefix,
                repaint.p99);
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
        return turnover(std::atoi(argv[2]), false);
    }
    if (argc == 3 && std::strcmp(argv[1], "turnover-listening") == 0) {
        return turnover(std::atoi(argv[2]), true);
    }
    if (argc == 2 && std::strcmp(argv[1], "memory") == 0) {
        return memory();
    }
    std::fprintf(
        stderr,
        "usage: tinzel_window_bench turnover ROUNDS | turnover-listening ROUNDS | memory\n");
    return 2;
}
