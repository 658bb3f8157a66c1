// Tinzel on Linux.
#include <QApplication>

#include "ui/qt/run_game.h"

int main(int, char* argv[]) {
    // The game takes no command line, and Qt's own options (-stylesheet, -reverse, …) are no
    // way into it either: Qt is given the program's name alone.
    int argumentCount = 1;
    char* arguments[] = {argv[0], nullptr};
    QApplication application(argumentCount, arguments);
    return tinzel::qt::runGame(application);
}
