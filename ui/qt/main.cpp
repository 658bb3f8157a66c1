// Tinzel on Linux: start-up of the Qt window and the game behind it.
#include <QApplication>

#include "game/form1_module.h"
#include "ui/form_design.h"
#include "ui/qt/qt_runtime.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tinzel"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral(TINZEL_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tinzel.png")));

    tinzel::qt::QtRuntime runtime;
    tinzel::Form1Module game(runtime);
    runtime.attach(game);
    // The game decides when it is over, not the last window closing (the end message opens
    // after the board's window has gone).
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&runtime, &tinzel::qt::QtRuntime::finished, &application,
                     &QCoreApplication::exit);
    runtime.start();
    if (runtime.hasEnded()) {
        return runtime.exitStatus();
    }
    return application.exec();
}
