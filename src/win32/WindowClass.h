#pragma once
// Registration of the program's own window classes.

#include <windows.h>

// Registers the class of this program with the arrow cursor, the background brush (null:
// the window paints its own) and the icon (null: none); 0 when the system refuses it.
ATOM RegisterWindowClass(const char* className, WNDPROC procedure, HBRUSH background = nullptr,
                         HICON icon = nullptr);
