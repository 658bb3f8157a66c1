#include "ui/qt/run_game.h"

#include <QApplication>
#include <QIcon>

#include "game/form1_module.h"
#include "ui/qt/qt_runtime.h"

namespace tinzel::qt {

int runGame(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Tinzel"));
    QApplication::setApplicationVersion(QStringLiteral(TINZEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TINZEL_APP_ID));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/tinzel-%1.png").arg(size));
    }
    QApplication::setWindowIcon(icon);

    QtRuntime runtime;
    Form1Module game(runtime);
    runtime.attach(game);
    // The game decides when it is over, not the last window closing (the end message opens
    // after the board's window has gone).
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&runtime, &QtRuntime::finished, &application, &QCoreApplication::exit);
    runtime.start();
    if (runtime.hasEnded()) {
        return runtime.exitStatus();
    }
    return application.exec();
}

}  // namespace tinzel::qt
