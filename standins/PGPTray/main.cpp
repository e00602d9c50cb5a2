// A stand-in for PGP's tray program: a hidden window that carries out the tray program's
// commands on the clipboard's text, for tests and for the demo.
#include <windows.h>

#include "TrayWindow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // One copy serves every sender; a second one would only compete for the commands.
    if (FindWindowA(kTrayWindowClass, nullptr)) {
        return 0;
    }
    if (!CreateTrayWindow(instance)) {
        return 1;
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
