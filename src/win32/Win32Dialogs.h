#pragma once
// The program's message dialog and the application message box.

#include <windows.h>

#include "platform/Dialogs.h"

class Win32Dialogs : public IDialogs {
public:
    // The application's hidden top-level window, which owns every box and dialog once it
    // exists: they then have no taskbar buttons of their own. Null until then.
    void SetOwner(HWND owner) { owner_ = owner; }

    int MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                   int helpContext) override;
    int AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) override;
    std::string SaveFileName(const SaveDialogOptions& options) override;  // Win32SaveDialog.cpp

private:
    HWND Owner() const;

    HWND owner_ = nullptr;
};
