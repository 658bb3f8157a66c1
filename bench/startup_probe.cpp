// The real game's start-up, ended at its first painted frame.
#include <QApplication>

#include "bench/first_paint.h"
#include "ui/qt/run_game.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tinzel::bench::QuitOnFirstPaint quitter;
    return tinzel::qt::runGame(application);
}
