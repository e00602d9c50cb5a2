#pragma once
// Pixel geometry for dialogs made from an in-memory template: their template gives no places
// (dialog units depend on the font), so each dialog sizes itself and its controls once it
// exists.

#include <windows.h>

// Puts the control at that place of its parent's client area, in pixels.
void PlaceControl(HWND control, int left, int top, int width, int height);

// Gives the window a client area of that size, in pixels, where it stands.
void SetClientSize(HWND window, int width, int height);

// Moves the window to the middle of the area, in screen coordinates.
void CentreIn(HWND window, const RECT& area);

// The whole screen, and the part of it that the taskbar leaves free.
RECT ScreenArea();
RECT WorkArea();
