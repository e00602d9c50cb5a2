#pragma once
// The base of the program's dialogs, made from the resource templates: one dialog procedure
// that hands each message to the object and stops every exception at that C boundary.

#include <windows.h>

namespace gpgtray {

class Dialog {
public:
    virtual ~Dialog();
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND Handle() const { return dialog_; }

protected:
    // Shows the dialog modally; what it ended with, -1 when it could not be made.
    INT_PTR RunModal(int templateId);
    // Makes the dialog modeless; a Unicode dialog shows any text whole. False when it could
    // not be made.
    bool CreateModeless(int templateId, bool unicode);

    // TRUE when the message was handled. WM_INITDIALOG comes with dialog_ set.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND dialog_ = nullptr;

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
};

// Hands the message to the modeless dialog it belongs to, if any: true when that took it.
bool IsModelessDialogMessage(MSG& message);

}  // namespace gpgtray
