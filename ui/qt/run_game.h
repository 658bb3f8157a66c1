// The whole Linux program once its QApplication exists: identity, icon, window, game, loop.
#pragma once

class QApplication;

namespace tinzel::qt {

// Runs Tinzel to its end and returns the process's exit status: 0 when the game ends or the
// window is closed, non-zero after an error report.
int runGame(QApplication& application);

}  // namespace tinzel::qt
