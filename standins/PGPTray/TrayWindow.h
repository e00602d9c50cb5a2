#pragma once
// The tray program's hidden top-level window, to which commands are sent.

#include <windows.h>

inline constexpr const char* kTrayWindowClass = "PGPtray_Hidden_Window";

// Null when the window could not be created.
HWND CreateTrayWindow(HINSTANCE instance);
