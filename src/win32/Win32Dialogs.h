#pragma once
// The program's message dialog and the application message box.

#include "platform/Dialogs.h"

class Win32Dialogs : public IDialogs {
public:
    int MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                   int helpContext) override;
    int AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) override;
    std::string SaveFileName(const SaveDialogOptions& options) override;  // Win32SaveDialog.cpp
};
