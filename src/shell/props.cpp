#include "shell/props.h"

#include <algorithm>
#include <iterator>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "mailers/MFDDirectory.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/UserInterface.h"
#include "shell/MailerLists.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/AppInfo.h"
#include "support/HelpContexts.h"
#include "support/PathOfF.h"
#include "support/ProgramPaths.h"
#include "support/command.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/strutil.h"
#include "support/sysinfo.h"

namespace {

constexpr int kPageCount = 5;
constexpr int kSuperDebugKeys[] = {65, 97};
constexpr unsigned kFirstGoodStartResult = 32;

bool AddressSelected(const PropsModel& props) {
    return props.selectedAddress >= 0 &&
           props.selectedAddress < static_cast<int>(props.mailingList.size());
}

// The address list is never disabled, so only the edit's text and the selection count.
PropsView AddressControls() {
    const PropsModel& props = Props();
    PropsView view;
    view.addEnabled = !TrimBlanks(props.addressEdit).empty();
    view.removeEnabled = AddressSelected(props);
    return view;
}

// The PGP main program path up to and including its last backslash.
std::string PGPDirectory() {
    return PathOfFile(Core().PGPMainProgramPath);
}

void AskSuperDebug() {
    bool& superDebug = Shell().superDebug;
    const std::string question =
        std::string("Super debug status is: ") + (superDebug ? "ON" : "OFF") + ". Change?";
    // A box closed without an answer counts as a Yes.
    if (Os().dialogs->AppMessageBox(question, MsgDlgType::Confirmation, kMbYesNo) != mrNo) {
        superDebug = !superDebug;
    }
}

}  // namespace

PropsView RefreshPropsWindow() {
    Os().ui->ProcessMessages();
    PropsView view = AddressControls();
    const bool anyActive = !Mailers().active.empty();
    view.mailerTabsShown = anyActive;
    view.noticeShown = !anyActive;
    if (!anyActive) {
        SelectPage(kPageMailerChoice);
        view.showMailerChoice = true;
        return view;
    }
    MarkSameDriver();
    return view;
}

bool RunLocksProps() {
    return Core().runInProgress;
}

int PageHelpContext(int page) {
    constexpr int kPageHelpContexts[kPageCount] = {kHelpRoutinePage, 0, kHelpMailerChoicePage,
                                                   kHelpOptionsPage, kHelpAboutPage};
    return page >= 0 && page < kPageCount ? kPageHelpContexts[page] : 0;
}

int HelpButtonContext() {
    const int page = Shell().recentPage;
    return kHelpRoutinePage + (page >= 0 && page < kPageCount ? page : kPageRoutine);
}

int SelectPage(int page) {
    if (page < 0 || page >= kPageCount) {
        return -1;
    }
    Shell().recentPage = page;
    return page;
}

bool AddAddress() {
    PropsModel& props = Props();
    if (!AddressControls().addEnabled) {
        return false;
    }
    props.mailingList.push_back(props.addressEdit);
    props.addressEdit.clear();
    return true;
}

bool RemoveAddress() {
    PropsModel& props = Props();
    if (!AddressSelected(props)) {
        return false;
    }
    const auto selected = props.mailingList.begin() + props.selectedAddress;
    props.addressEdit = *selected;
    props.mailingList.erase(selected);
    props.selectedAddress = -1;
    return true;
}

void FillAboutText(const std::string& ownFileVersion) {
    const std::string lines[] = {
        std::string(kAppTitle) + " V" + TrimBlanks(ownFileVersion) + Shell().distInfo,
        "Installed in: " + Paths().dir,
        "Mail Form Drivers in: " + Mailers().directory,
        "Windows: " + WindowsVersionText(),
        "Using " + Core().PGPProductName + " V" + TrimBlanks(Core().PGPFileVersion),
        "Installed in: " + PGPDirectory(),
        "PGP is a trade mark of Pretty Good Privacy, Inc.",
    };
    // The text starts as one empty line.
    std::string text = "\r\n";
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    Props().aboutText = text;
}

bool PropsKeyDown(int keyCode, bool ctrlHeld, bool altHeld) {
    const bool superDebugKey = std::find(std::begin(kSuperDebugKeys), std::end(kSuperDebugKeys),
                                         keyCode) != std::end(kSuperDebugKeys);
    if (!ctrlHeld || !altHeld || !superDebugKey) {
        return false;
    }
    AskSuperDebug();
    return true;
}

// The short form of the directory, or quotes where it has none, keep a path with blanks in
// one piece on the command line. The directory ends in a backslash already, so the line
// holds two, which Windows reads as one.
bool RunPGPItem(const std::string& programFile) {
    const std::string commandLine =
        ProgramPart(ShortFormOrPath(PGPDirectory()) + "\\" + programFile);
    const unsigned result = Os().processes->WinExec(commandLine, kSwShowNormal);
    if (result < kFirstGoodStartResult) {
        ReportFatalError("RunPGPItem/Winexec returned " + std::to_string(result),
                         Core().PGPMainProgramPath);
        return false;
    }
    return true;
}

void RunPGPTray() {
    if (FindPGPtray() != 0) {
        Os().dialogs->AppMessageBox("PGPTray is already running", MsgDlgType::Warning, kMbOk);
        return;
    }
    RunPGPItem("PGPTray.Exe");
}

std::string FindPGPHelpFile() {
    const std::string directory = PGPDirectory();
    const std::string name = Os().files->FindFirst(directory + "PGP*.Hlp");
    return name.empty() ? name : directory + name;
}
