#include "win/TestWindow.h"

namespace {

const char* WindowClass() {
    static const ATOM registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TervaneTestWindow";
        return RegisterClassA(&wc);
    }();
    return registered ? "TervaneTestWindow" : nullptr;
}

}  // namespace

TestWindow::TestWindow(HWND parent, int width, int height)
    : window_(CreateWindowExA(0, WindowClass(), "Tervane test window",
                              parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW, 10, 10, width,
                              height, parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

TestWindow::~TestWindow() {
    if (window_) {
        DestroyWindow(window_);
    }
}
