#pragma once
// Hints: the tooltips that show over a window's controls while the mouse rests on them.

#include <windows.h>

// A tooltip window for the window's controls; it belongs to the window and goes with it.
HWND CreateHints(HWND window);

// Shows that hint over the window's control.
void AddHint(HWND hints, HWND window, HWND control, const char* hint);
