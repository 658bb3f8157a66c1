// Tinzel on Windows. It takes no command line.
#include "ui/win32/win32_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tinzel::win32::runGame(instance);
}
