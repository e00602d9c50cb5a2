#include "win32/ModalDialog.h"

#include <utility>

#include "support/error.h"
#include "win32/DialogLayout.h"
#include "win32/DialogTemplate.h"
#include "win32/Fonts.h"

ModalDialog::ModalDialog(const char* className, HelpOpener openHelp)
    : className_(className), openHelp_(std::move(openHelp)) {}

INT_PTR ModalDialog::Run(HWND owner, const DialogFrame& frame, const std::string& caption,
                         std::span<const ControlDef> controls) {
    frame_ = &frame;
    caption_ = &caption;
    controls_ = controls;
    const DialogTemplate layout(frame.style, L"MS Shell Dlg", 8, frame.exStyle);
    const INT_PTR result = layout.ShowModal(owner, Procedure, reinterpret_cast<LPARAM>(this));
    dialog_ = nullptr;
    return result;
}

void ModalDialog::OpenHelp(int helpContext) const {
    if (helpContext != 0) {
        openHelp_(dialog_, helpContext);
    }
}

INT_PTR CALLBACK ModalDialog::Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        reinterpret_cast<ModalDialog*>(lParam)->dialog_ = dialog;
    }
    auto* self = reinterpret_cast<ModalDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
    INT_PTR result = FALSE;
    if (self) {
        RunGuarded(self->className_,
                   [&] { result = self->HandleMessage(message, wParam, lParam); });
    }
    return result;
}

INT_PTR ModalDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Init();
            return FALSE;  // the focus is set
        case WM_COMMAND:
            // Escape and the close box come as IDCANCEL, from the Cancel button when there is
            // one (as if it were pressed) and from no control otherwise.
            if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
                OnClose();
            } else {
                OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            }
            return TRUE;
        case WM_HELP:
            OpenHelp(static_cast<int>(reinterpret_cast<const HELPINFO*>(lParam)->dwContextId));
            return TRUE;
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wParam, lParam, result) ? result : FALSE;
        }
    }
}

void ModalDialog::Init() {
    SetWindowTextA(dialog_, caption_->c_str());
    SetWindowContextHelpId(dialog_, static_cast<DWORD>(frame_->helpContext));
    const HFONT font = FontOf(dialog_);
    for (const ControlDef& row : controls_) {
        CreateControl(dialog_, row, font, {0, 0}, true, frame_->helpContext);
    }
    AddHints(dialog_, controls_);
    SetClientSize(dialog_, frame_->clientWidth, frame_->clientHeight);
    OnInit();
    if (!GetFocus() || !IsChild(dialog_, GetFocus())) {
        SetFocus(GetNextDlgTabItem(dialog_, nullptr, FALSE));
    }
}
