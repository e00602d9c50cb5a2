#pragma once
// Whether a window's tray icon is in the notification area.

#include <windows.h>

// True when the window has the icon of that id in the notification area: only then does a
// change of the icon succeed.
bool InTheNotificationArea(HWND window, UINT id = 0);
