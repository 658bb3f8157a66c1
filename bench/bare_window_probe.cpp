// The floor under the game's start-up: a Qt program that shows one empty window of the
// game's size and ends at its first painted frame.
#include <QApplication>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tinzel::bench::QuitOnFirstPaint quitter;
    QWidget window;
    window.setFixedSize(518, 295);
    window.show();
    return application.exec();
}
