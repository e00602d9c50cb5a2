#include "Dialog.h"

#include <cstring>
#include <exception>

#include "MessageBoxes.h"

namespace gpgtray {

Dialog::~Dialog() {
    if (dialog_) {
        // A modeless dialog still open: it must not call back into an object that is gone.
        SetWindowLongPtrA(dialog_, DWLP_USER, 0);
        DestroyWindow(dialog_);
    }
}

INT_PTR Dialog::RunModal(int templateId) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr,
                           Procedure, reinterpret_cast<LPARAM>(this));
}

bool Dialog::CreateModeless(int templateId, bool unicode) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    const auto self = reinterpret_cast<LPARAM>(this);
    const HWND made =
        unicode
            ? CreateDialogParamW(instance, MAKEINTRESOURCEW(templateId), nullptr, Procedure, self)
            : CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), nullptr, Procedure, self);
    return made != nullptr;
}

INT_PTR CALLBACK Dialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<Dialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (!self) {
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->dialog_ = nullptr;
        return FALSE;
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ShowFailure(error.what());
    } catch (...) {
        ShowFailure("An unexpected error occurred.");
    }
    return TRUE;
}

bool IsModelessDialogMessage(MSG& message) {
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    char className[16] = "";
    if (!root || !GetClassNameA(root, className, sizeof className) ||
        std::strcmp(className, "#32770") != 0) {
        return false;
    }
    return IsWindowUnicode(root) ? IsDialogMessageW(root, &message)
                                 : IsDialogMessageA(root, &message);
}

}  // namespace gpgtray
