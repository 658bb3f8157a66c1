// Tinzel on Windows. It takes no command line.
#include "ui/win32/program.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return tinzel::win32::runGame(instance);
}
