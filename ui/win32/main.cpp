// Tinzel on Windows. It takes no command line.
#include "game/form1_module.h"
#include "ui/win32/win32_runtime.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    tinzel::win32::Win32Runtime runtime(instance);
    tinzel::Form1Module game(runtime);
    runtime.attach(game);
    return tinzel::win32::runMessageLoop(runtime);
}
