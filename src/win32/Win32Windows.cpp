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

WindowId Win32Windows::FindTopLevelByClass(const std::string& className) {
    return ToWindowId(FindWindowExA(nullptr, nullptr, className.c_str(), nullptr));
}

void Win32Windows::SetForeground(WindowId window) {
    SetForegroundWindow(ToHwnd(window));
}

void Win32Windows::BringToTop(WindowId window) {
    BringWindowToTop(ToHwnd(window));
}

void Win32Windows::SendCommand(WindowId window, unsigned identifier) {
    SendMessageA(ToHwnd(window), WM_COMMAND, identifier, 0);
}
