#include "TrayWindow.h"

#include <stdexcept>

#include "Captions.h"
#include "MessageBoxes.h"

namespace gpgtray {

TrayWindow::TrayWindow(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kTrayWindowClass;
    // Top-level and never shown; senders find it by its class alone.
    if (!RegisterClassA(&windowClass) ||
        !(window_ = CreateWindowExA(0, kTrayWindowClass, kProgramTitle, WS_OVERLAPPED, 0, 0, 0, 0,
                                    nullptr, nullptr, instance, this))) {
        throw std::runtime_error("The tray window could not be made.");
    }
}

TrayWindow::~TrayWindow() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK TrayWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TrayWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
        case WM_COMMAND:
            if (self) {
                self->OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_DESTROY:
            if (self) {
                self->window_ = nullptr;
            }
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Nothing may escape into the system's code that called the window procedure.
void TrayWindow::OnCommand(unsigned id) {
    if (!program_) {
        return;
    }
    try {
        program_->Handle(id);
    } catch (const std::exception& error) {
        ShowFailure(error.what());
    } catch (...) {
        ShowFailure("An unexpected error occurred.");
    }
}

}  // namespace gpgtray
