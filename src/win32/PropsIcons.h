#pragma once
// The icons of the program's executable, as Tervane5.rc numbers them.

#include <windows.h>

// The program's own icon, shown by the main tray icon, the window and the About page.
constexpr int kProgramIconId = 1;
// The tools tray icon.
constexpr int kToolsIconId = 2;

// The icon of that id from the executable; a build without the resources (a test program)
// gets the system's application icon. Shared icons: never destroyed.
inline HICON ResourceIcon(int id) {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}
