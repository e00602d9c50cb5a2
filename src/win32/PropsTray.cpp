#include "win32/PropsTray.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "shell/Tips.h"
#include "shell/TrayDuties.h"
#include "support/HelpContexts.h"
#include "win32/ControlIds.h"
#include "win32/PropsIcons.h"
#include "win32/PropsPopupMenu.h"
#include "win32/PropsText.h"

namespace {

constexpr UINT kTimer1Interval = 6000;

constexpr PopupItem kPopupMenu2[] = {
    {kPopPrint, "&Print"}, {kPopQuote, "&Quote "}, {kPopSaveToFile, "&Save to file"},
    {0, nullptr},          {kPopHelp, "&Help"},    {0, nullptr},
    {kPopExit, "E&xit"},
};

struct PendingTool {
    int id;
    const char* notice;
};

// The clipboard tools come with a later version; until then the menu says so.
constexpr PendingTool kPendingTools[] = {
    {kPopPrint, "Printing the clipboard's text is not available yet."},
    {kPopQuote, "Quoting the clipboard's text is not available yet."},
    {kPopSaveToFile, "Saving the clipboard's text to a file is not available yet."},
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

// "E&xit" has no action: choosing it only closes the menu.
void PropsTray::TaskIcon2RightClick(int x, int y) {
    const int chosen = TrackPopup(taskIcon2_.Handle(), kPopupMenu2, {x, y});
    const auto pending = std::find_if(std::begin(kPendingTools), std::end(kPendingTools),
                                      [chosen](const PendingTool& t) { return t.id == chosen; });
    if (pending != std::end(kPendingTools)) {
        Os().dialogs->AppMessageBox(pending->notice, MsgDlgType::Information, kMbOk);
    } else if (chosen == kPopHelp) {
        openHelp_(window_, kHelpToolsMenu);
    }
}
