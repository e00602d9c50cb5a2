#pragma once
// Message boxes through the system's MessageBoxA.

#include "platform/Dialogs.h"

class Win32Dialogs : public IDialogs {
public:
    void ShowOkMessage(MsgDlgType kind, const std::string& text) override;
};
