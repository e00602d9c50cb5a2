#pragma once
// The fonts the program's windows make for themselves.

#include <windows.h>

#include "win32/GdiObject.h"

// A font of that face, size in points at the screen's resolution, and weight.
GdiObject<HFONT> MakeFont(const char* face, int points, int weight = FW_NORMAL);

// The font a window draws its text in (WM_GETFONT); null for the system font.
HFONT FontOf(HWND window);
