#pragma once
// The one dialog procedure of the program's dialog objects.

#include <windows.h>

#include "support/error.h"

// The dialog object comes as the dialog's creation parameter. The procedure keeps it with
// the window, tells it its window at WM_INITDIALOG, hands it every message from then on
// through its HandleMessage, and stops every exception at this C boundary, reporting it
// under the object's kClassName. The object declares this template its friend.
template <typename Dialog>
INT_PTR CALLBACK ForwardToDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    INT_PTR handled = FALSE;
    if (self) {
        RunGuarded(Dialog::kClassName,
                   [&] { handled = self->HandleMessage(message, wParam, lParam); });
    }
    return handled;
}
