#pragma once
// The program's own modality: while one of its message boxes or dialogs is open, every other
// top-level window of the thread is disabled, whoever owns the box.

#include <windows.h>

#include <vector>

// Disables the thread's enabled top-level windows for as long as it lives.
class ThreadWindowsDisabled {
public:
    ThreadWindowsDisabled() {
        EnumThreadWindows(GetCurrentThreadId(), DisableEnabled,
                          reinterpret_cast<LPARAM>(&disabled_));
    }
    ~ThreadWindowsDisabled() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) {
                EnableWindow(window, TRUE);
            }
        }
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK DisableEnabled(HWND window, LPARAM disabled) {
        if (IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
        }
        return TRUE;
    }

    std::vector<HWND> disabled_;
};
