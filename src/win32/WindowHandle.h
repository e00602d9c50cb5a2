#pragma once
// The conversion between a window handle and the WindowId that carries it across the seam.

#include <windows.h>

#include "platform/WindowApi.h"

inline HWND ToHwnd(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

inline WindowId ToWindowId(HWND window) {
    return reinterpret_cast<WindowId>(window);
}
