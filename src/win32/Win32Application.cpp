#include "win32/Win32Application.h"

#include <windows.h>

void Win32Application::Terminate() {
    // The quit message ends the message loop once the current handler has returned.
    PostQuitMessage(0);
    terminating_ = true;
}
