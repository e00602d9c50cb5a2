#pragma once
// A panel: a child window with a single black border, a raised outer and a raised inner
// bevel one pixel apart, and its caption centred in its font.

#include <windows.h>

// The window class; registered on first use.
const char* PanelClass();

// The panel's area inside its bevels, in its client coordinates: where its controls go.
RECT PanelInnerRect(HWND panel);
