// The floor under the game's start-up: a Qt program that shows one empty window of the
// game's size and ends at its first painted frame. With --with-label the window also shows
// one line of text, the floor for any window that draws text: the fonts are set up with the
// first text a program lays out.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool withLabel = QApplication::arguments().contains(QStringLiteral("--with-label"));
    tinzel::bench::QuitOnFirstPaint quitter;
    QWidget window;
    window.setFixedSize(518, 295);
    if (withLabel) {
        new QLabel(QStringLiteral("WINS: 0"), &window);
    }
    window.show();
    return application.exec();
}
