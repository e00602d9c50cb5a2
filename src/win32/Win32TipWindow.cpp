#include "win32/Win32TipWindow.h"

#include <utility>

#include "win32/HelpFile.h"
#include "win32/Tips.h"

namespace {

MainIconSwitch& TheMainIconSwitch() {
    static MainIconSwitch mainIconSwitch;
    return mainIconSwitch;
}

}  // namespace

void SetMainIconSwitch(MainIconSwitch mainIconSwitch) {
    TheMainIconSwitch() = std::move(mainIconSwitch);
}

void Win32TipWindow::ShowModal(ITipBrowser& tips) {
    TfrmTips(tips, OpenHelpTopic).ShowModal();
}

void Win32TipWindow::SetMainIconActive(bool active) {
    if (const MainIconSwitch& mainIconSwitch = TheMainIconSwitch()) {
        mainIconSwitch(active);
    }
}
