#pragma once
// TfrmShowScriptInfo: what a Mail Form Script says about itself, in a memo under the
// script's name, until "Close".

#include <windows.h>

#include <string>

#include "win32/GdiObject.h"

class TfrmShowScriptInfo {
public:
    TfrmShowScriptInfo(std::string caption, std::string text);

    // Shows the window modally over the owner (with none, over the thread's windows), at a
    // third of the space the screen leaves beside it.
    void ShowModal(HWND owner);

private:
    template <typename Dialog>
    friend INT_PTR CALLBACK ForwardToDialog(HWND, UINT, WPARAM, LPARAM);
    static constexpr const char* kClassName = "TfrmShowScriptInfo";

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void SetContents();
    void Layout();

    std::string caption_;
    std::string text_;
    GdiObject<HFONT> memoFont_;
    HWND dialog_ = nullptr;
};
