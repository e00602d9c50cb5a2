#pragma once
// TfrmShowScriptInfo: what a Mail Form Script says about itself, in a memo under the
// script's name, until "Close".

#include <windows.h>

#include <string>

#include "win32/GdiObject.h"
#include "win32/ModalDialog.h"

class TfrmShowScriptInfo : private ModalDialog {
public:
    TfrmShowScriptInfo(std::string caption, std::string text);

    // Shows the window modally over the owner (with none, over the thread's windows), at a
    // third of the space the screen leaves beside it.
    void ShowModal(HWND owner);

private:
    void OnInit() override;
    void OnCommand(int id, int notification, HWND control) override;

    std::string caption_;
    std::string text_;
    GdiObject<HFONT> memoFont_;
};
