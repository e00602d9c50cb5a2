#pragma once
// The one window procedure of the program's window objects.

#include <windows.h>

#include "support/error.h"

// The window object comes as the window's creation parameter. The procedure keeps it with
// the window, tells it its window at WM_NCCREATE, hands it every message from then on
// through its HandleMessage, stops every exception at this C boundary, reporting it under
// className, and tells the object when its window is gone. The object declares this
// template its friend.
template <typename Window>
LRESULT ForwardToWindow(const char* className, HWND window, UINT message, WPARAM wParam,
                        LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created =
            static_cast<Window*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    RunGuarded(className, [&] { result = self->HandleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) {
        self->window_ = nullptr;  // closed by the user or the system before the object ends
    }
    return result;
}
