#include "shell/TrayDuties.h"

#include "core/MFDData.h"
#include "core/PGPMain.h"
#include "mailers/CallDriver.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "shell/ShellState.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"
#include "support/fileutil.h"

namespace {

// Holds the tray-run flag for the length of a run, however the run ends: a run that fails
// must not leave the main icon dead for every later click.
class TrayRun {
public:
    TrayRun() { Shell().trayRunning = true; }
    ~TrayRun() { Shell().trayRunning = false; }
    TrayRun(const TrayRun&) = delete;
    TrayRun& operator=(const TrayRun&) = delete;
};

// The termination takes effect when control is back in the message loop, so the tick's
// other duties still run.
void EndOnInstallerRequest() {
    const std::string flag = Paths().dir + kInstallerFlagName;
    if (Os().files->Exists(flag)) {
        Os().files->Remove(flag);
        Os().application->Terminate();
    }
}

// The daily tip comes also after a silent start: "/s" concerns the start alone.
void DailyDuty(const std::function<void()>& showTipOfTheDay) {
    TrimDebugLog();
    if (Shell().tips.enabled) {
        showTipOfTheDay();
    }
}

// A cleared record has every other part absent, so the driver replaces only the body.
TMFDData BodyOnlyRecord(const std::string& body) {
    TMFDData data;
    ClearMFDData(data);
    Checkpoint() = 5701;
    data.Body = body;
    data.HasBody = true;
    Checkpoint() = 5702;
    return data;
}

}  // namespace

void TaskIcon1Click() {
    if (Shell().trayRunning) {
        return;
    }
    const TrayRun running;
    WriteDebugLog("MainPGP-T");
    MainPGP(true);
}

void Timer1Timer(const std::function<void()>& showTipOfTheDay) {
    EndOnInstallerRequest();
    ShellState& shell = Shell();
    ++shell.tickCount;
    if (shell.tickCount > kTicksPerDay) {
        shell.tickCount = 0;
        DailyDuty(showTipOfTheDay);
    }
}

void SetClipboardReceiverText(const std::string& text) {
    if (text == Shell().clipboardReceiver) {
        return;
    }
    Shell().clipboardReceiver = text;
    ClipboardReceiverChanged(text);
}

// A failed write of the exchange file has been shown as a warning by the writer. The driver
// is not called then (it would put an empty or stale body into the mail): PGP's result stays
// on the clipboard, and the user is told to paste it. The file written holds PGP's result,
// for a signed message the plain text: it is wiped once the driver has taken it.
void ClipboardReceiverChanged(const std::string& text) {
    Checkpoint() = 5700;
    if (text.empty()) {
        return;
    }
    if (!WriteMFDFile(BodyOnlyRecord(text), Paths().exchangeFile)) {
        WipeFile(Paths().exchangeFile);
        Os().ui->SetHourglass(false);
        Os().dialogs->AppMessageBox(kResultLeftOnClipboard, MsgDlgType::Warning, kMbOk);
        return;
    }
    Checkpoint() = 5703;
    Os().ui->ProcessMessages();
    // PGP's result does not stay on the clipboard once it is on its way to the mailer.
    Os().clipboard->SetText("");
    Checkpoint() = 5704;
    CallDriver("Write File=" + Paths().exchangeFile);
    WipeFile(Paths().exchangeFile);
    Checkpoint() = 5705;
    Os().ui->ProcessMessages();
    Checkpoint() = 5707;  // 5706 has no step of its own
    Os().ui->SetHourglass(false);
}
