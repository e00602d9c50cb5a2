#include "win32/PropsTray.h"

#include <utility>

#include "shell/ClipboardTools.h"
#include "shell/Tips.h"
#include "shell/TrayDuties.h"
#include "shell/Unload.h"
#include "support/HelpContexts.h"
#include "win32/ControlIds.h"
#include "win32/PropsIcons.h"
#include "win32/PropsPopupMenu.h"
#include "win32/PropsText.h"
#include "win32/Win32PrintCanvas.h"

namespace {

constexpr UINT kTimer1Interval = 6000;

constexpr PopupItem kPopupMenu2[] = {
    {kPopPrint, "&Print"}, {kPopQuote, "&Quote "}, {kPopSaveToFile, "&Save to file"},
    {0, nullptr},          {kPopHelp, "&Help"},    {0, nullptr},
    {kPopExit, "E&xit"},
};

}  // namespace

PropsTray::PropsTray(HWND window, std::function<void()> showPropsWindow, HelpOpener openHelp,
                     Win32TipWindow& tipWindow)
    : window_(window), openHelp_(std::move(openHelp)), tipWindow_(tipWindow) {
    taskIcon1_.SetIcon(ResourceIcon(kProgramIconId));
    taskIcon1_.SetToolTip("Tervane 5");
    taskIcon1_.OnClick = TaskIcon1Click;
    taskIcon1_.OnRightClick = [show = std::move(showPropsWindow)](int, int) { show(); };
    taskIcon2_.SetIcon(ResourceIcon(kToolsIconId));
    taskIcon2_.SetToolTip("Tervane Tools");
    taskIcon2_.OnRightClick = [this](int x, int y) { TaskIcon2RightClick(x, y); };
    tipWindow_.SetMainIconSwitch([this](bool active) { taskIcon1_.SetActive(active); });
    SetTimer(window_, kTimer1, kTimer1Interval, nullptr);
}

PropsTray::~PropsTray() {
    tipWindow_.SetMainIconSwitch(nullptr);
    KillTimer(window_, kTimer1);
}

void PropsTray::Activate() {
    taskIcon1_.SetActive(true);
    taskIcon2_.SetActive(true);
}

void PropsTray::Timer1Timer() {
    ::Timer1Timer(ShowTipOfTheDay);
}

// "E&xit" ends the program as Unload does: a user who leaves the tools expects that.
void PropsTray::TaskIcon2RightClick(int x, int y) {
    switch (TrackPopup(taskIcon2_.Handle(), kPopupMenu2, {x, y})) {
        case kPopPrint: {
            Win32PrintCanvas printer;
            popPrintClipboardClick(printer);
            break;
        }
        case kPopQuote:
            popQuoteClipboardClick();
            break;
        case kPopSaveToFile:
            popSaveClipboardClick();
            break;
        case kPopHelp:
            openHelp_(window_, kHelpToolsMenu);
            break;
        case kPopExit:
            UnloadProgram();
            break;
        default:
            break;
    }
}
