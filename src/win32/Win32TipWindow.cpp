#include "win32/Win32TipWindow.h"

#include "win32/HelpFile.h"
#include "win32/Tips.h"

void Win32TipWindow::ShowModal(ITipBrowser& tips) {
    TfrmTips(tips, OpenHelpTopic).ShowModal();
}

void Win32TipWindow::SetMainIconActive(bool active) {
    if (mainIconSwitch_) {
        mainIconSwitch_(active);
    }
}
