#pragma once
// The icons of the program's executable, as Tervane5.rc numbers them.

#include <windows.h>

#include "win32/ResourceIds.h"

constexpr int kProgramIconId = IDI_TERVANE5;
constexpr int kToolsIconId = IDI_TERVANE_TOOLS;

// The icon of that id from the executable; a build without the resources (a test program)
// gets the system's application icon. Shared icons: never destroyed.
inline HICON ResourceIcon(int id) {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    return icon ? icon : LoadIconA(nullptr, IDI_APPLICATION);
}
