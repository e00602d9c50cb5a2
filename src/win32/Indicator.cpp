#include "win32/Indicator.h"

#include <stdexcept>

#include "win32/WindowClass.h"
namespace {

constexpr const char* kClassName = "TfrmIndicator";

}  // namespace

// A tool window has no taskbar button.
TfrmIndicator::TfrmIndicator(const ScreenRect& place) {
    static const ATOM registered =
        RegisterWindowClass(kClassName, WindowProc,
                            // The system's colour brush: the bar follows the user's colour scheme.
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_HIGHLIGHT + 1)));
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                              registered ? kClassName : nullptr, "", WS_POPUP, place.left,
                              place.top, place.Width(), place.Height(), nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
    if (!window_) {
        throw std::runtime_error("Cannot create the window's frame");
    }
}

TfrmIndicator::~TfrmIndicator() {
    if (window_) {
        DestroyWindow(window_);
    }
}

void TfrmIndicator::Show() {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

LRESULT CALLBACK TfrmIndicator::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    return ForwardToWindow<TfrmIndicator>(kClassName, window, message, wParam, lParam);
}

// A bar in the way can be clicked away; the question stays open.
LRESULT TfrmIndicator::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONUP:
            DestroyWindow(window_);
            return 0;
        default:
            return DefWindowProcA(window_, message, wParam, lParam);
    }
}
