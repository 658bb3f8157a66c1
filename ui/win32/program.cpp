// The Windows program's entry: the window and the game, and the message loop to the end.
#include "ui/win32/program.h"

#include "game/form1_module.h"
#include "game/game_error.h"
#include "ui/win32/message_box.h"

namespace tinzel::win32 {

int runMessageLoop(FormRuntime& runtime, Win32Window& window) {
    runtime.start();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.translateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return runtime.exitStatus();
}

int runGame(HINSTANCE instance) {
    FormRuntime runtime;
    try {
        Win32Window window(instance, runtime);
        Form1Module game(runtime);
        runtime.attach(game);
        return runMessageLoop(runtime, window);
    } catch (const GameError& error) {
        // The window could not be made: the game never started, so this is the boundary.
        showMessageBox(nullptr, FormRuntime::errorText(error.what()), true);
        return 1;
    }
}

}  // namespace tinzel::win32
