// Tinzel on Linux. It takes no command line: Qt's own options are all it understands.
#include <QApplication>

#include "ui/qt/run_game.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return tinzel::qt::runGame(application);
}
