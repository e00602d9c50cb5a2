#pragma once
// TfrmTips: the tip of the day. One tip at a time under "Did you know?", with buttons to
// step through the tips and to open the tip's help topic, and the "Show these tips" box.

#include <windows.h>

#include "platform/TipWindow.h"
#include "win32/GdiObject.h"
#include "win32/HelpFile.h"

class TfrmTips {
public:
    TfrmTips(ITipBrowser& tips, HelpOpener openHelp);

    // Shows the window modally over the thread's windows, always on top and centred on the
    // screen, until "&Ok", "&Help", Escape or the close box ends it.
    void ShowModal();

private:
    template <typename Dialog>
    friend INT_PTR CALLBACK ForwardToDialog(HWND, UINT, WPARAM, LPARAM);
    static constexpr const char* kClassName = "TfrmTips";

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id, int notification);
    void SetTexts();
    void Layout();
    void ShowCurrentTip();
    void DrawTipArea(const DRAWITEMSTRUCT& item) const;

    ITipBrowser& tips_;
    HelpOpener openHelp_;
    GdiObject<HFONT> headingFont_;
    HWND dialog_ = nullptr;
};
