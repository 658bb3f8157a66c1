// Starting the Linux program: its identity, icon, window and game, then Qt's loop.
#include "ui/qt/run_game.h"

#include <QApplication>

#include "game/form1_module.h"
#include "ui/form_runtime.h"
#include "ui/qt/qt_window.h"
#include "ui/qt/window_icon.h"

namespace tinzel::qt {

int runGame(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Tinzel"));
    QApplication::setApplicationVersion(QStringLiteral(TINZEL_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TINZEL_APP_ID));
    setWindowIconAfterFirstFrame();

    FormRuntime runtime;
    QtWindow window(runtime);
    Form1Module game(runtime);
    runtime.attach(game);
    // The game decides when it is over, not the last window closing (the end message opens
    // after the board's window has gone).
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&window, &QtWindow::ended, &application, &QCoreApplication::exit);
    runtime.start();
    if (runtime.hasEnded()) {
        return runtime.exitStatus();
    }
    return application.exec();
}

}  // namespace tinzel::qt
