#pragma once
// A real window of the test's own, destroyed with the object.

#include <windows.h>

class TestWindow {
public:
    // A top-level overlapped window (parent null) or a child of `parent`, hidden until shown.
    TestWindow(HWND parent, int width, int height);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Get() const { return window_; }

private:
    HWND window_;
};
