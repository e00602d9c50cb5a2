#include "win32/Win32Windows.h"

#include <windows.h>

#include "win32/WindowHandle.h"

bool Win32Windows::IsMinimised(WindowId window) {
    return IsIconic(ToHwnd(window)) != 0;
}

WindowId Win32Windows::ParentOf(WindowId window) {
    return ToWindowId(GetParent(ToHwnd(window)));
}

ScreenRect Win32Windows::Screen() {
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

ScreenRect Win32Windows::Bounds(WindowId window) {
    RECT r{};
    GetWindowRect(ToHwnd(window), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void Win32Windows::MoveTo(WindowId window, int left, int top) {
    SetWindowPos(ToHwnd(window), nullptr, left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
