#pragma once
// TfrmTips: the tip of the day. One tip at a time under "Did you know?", with buttons to
// step through the tips and to open the tip's help topic, and the "Show these tips" box.

#include <windows.h>

#include "platform/TipWindow.h"
#include "win32/GdiObject.h"
#include "win32/ModalDialog.h"

class TfrmTips : private ModalDialog {
public:
    TfrmTips(ITipBrowser& tips, HelpOpener openHelp);

    // Shows the window modally over the thread's windows, always on top and centred on the
    // screen, until "&Ok", "&Help", Escape or the close box ends it.
    void ShowModal();

private:
    void OnInit() override;
    void OnCommand(int id, int notification, HWND control) override;
    void OnClose() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void ShowCurrentTip();
    void DrawTipArea(const DRAWITEMSTRUCT& item) const;

    ITipBrowser& tips_;
    GdiObject<HFONT> headingFont_;
};
