#include "core/PGPMain.h"

#include <memory>
#include <optional>
#include <string>

#include "core/CoreState.h"
#include "core/Decision.h"
#include "core/MFDData.h"
#include "core/PGPBlocks.h"
#include "core/PGPCommands.h"
#include "core/PGPInvoke.h"
#include "core/RunContext.h"
#include "core/running.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"
#include "support/fileutil.h"

namespace {

constexpr const char* kBusyWarning =
    "A previous run of Tervane 5 appears to be active and a PGP dialog present. We suggest "
    "using alt-TAB to find the relevant PGP dialog\r\n\n"
    "If you use the Ignore button, you may encounter errors";
constexpr const char* kRunRefused = "MainPGP ignored: a run is already in progress";

// Marks the run for its whole length, whichever way it ends.
class RunInProgress {
public:
    RunInProgress() { Core().runInProgress = true; }
    ~RunInProgress() { Core().runInProgress = false; }
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;
};

// What the clean-up takes back: the outgoing body that this run put on the clipboard, known
// by the clipboard's sequence number right after.
struct RunLeftovers {
    std::optional<unsigned> bodyOnClipboard;
};

IRunProperties& Properties() {
    return *Core().collaborators.properties;
}

// A command of an earlier PGP delivery is still outstanding: PGP is probably showing a
// dialog. The user decides whether to go on.
bool GoOnDespitePGPBusy() {
    if (Core().PGPBusyHwnd == 0) {
        return true;
    }
    Os().windows->BringToTop(Core().PGPBusyHwnd);
    Os().ui->ProcessMessages();
    if (Os().dialogs->MessageDlg(kBusyWarning, MsgDlgType::Warning,
                                 {MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}, 0) != mrIgnore) {
        return false;
    }
    Core().PGPBusyHwnd = 0;
    return true;
}

// The chooser serves the detection only and is released when it returns.
bool MailerFound(IProgressWindow& progress) {
    IRunMailers& mailers = *Core().collaborators.mailers;
    const std::unique_ptr<IMailerChooser> chooser = mailers.CreateChooser();
    Checkpoint() = 5503;
    const bool abandoned = mailers.FindRunningMailer(*chooser, &progress);
    progress.SetPosition(30);
    Checkpoint() = 5504;
    return !abandoned;
}

// The plain text lies on the disk only from the driver's write until this read.
TMFDData ReadFromMailer(IProgressWindow& progress) {
    Core().collaborators.mailers->CallDriver("read File=" + Paths().exchangeFile);
    Checkpoint() = 5505;
    progress.SetPosition(50);
    TMFDData data;
    ReadMFDFile(Paths().exchangeFile, data);
    Checkpoint() = 5506;
    WipeFile(Paths().exchangeFile);
    progress.SetPosition(60);
    return data;
}

RunInput InputFor(bool routineRun, const TMFDData& data) {
    IRunProperties& properties = Properties();
    RunInput input;
    input.data = data;
    input.routineRun = routineRun;
    input.optionIndex = routineRun ? properties.ProcessingIndex() : properties.OutwardIndex();
    input.forceKeyRead = properties.ForceKeyRead();
    input.mailingList = properties.MailingListAddresses();
    input.milestone = [](int checkpoint) { Checkpoint() = checkpoint; };
    return input;
}

// The command is chosen; a read that gave nothing stopped before the decision's milestones.
void MarkDecisionMade(const RunDecision& decision) {
    if (decision.outcome == RunOutcome::Stop && decision.stopBox == StopBox::AppMessageBox) {
        return;
    }
    Checkpoint() = 5509;
}

// Shows a stop's message or asks the confirmation; true when PGP is to be called.
bool Agreed(const RunDecision& decision) {
    IDialogs& dialogs = *Os().dialogs;
    switch (decision.outcome) {
        case RunOutcome::Invoke:
            return true;
        case RunOutcome::Stop:
            if (decision.stopBox == StopBox::AppMessageBox) {
                dialogs.AppMessageBox(decision.message, MsgDlgType::Error, kMbOk);
            } else {
                dialogs.MessageDlg(decision.message, MsgDlgType::Error, {MsgDlgBtn::OK}, 0);
            }
            return false;
        case RunOutcome::Confirm:
            break;
    }
    const MsgDlgButtons buttons{MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Help};
    if (dialogs.MessageDlg(decision.message, MsgDlgType::Error, buttons, decision.helpContext) !=
        mrYes) {
        Os().ui->SetHourglass(false);
        return false;
    }
    return true;
}

// PGP shows what it decrypted itself. A key that its output carries (a wrapped key) is
// imported in a further call, unless the user has asked not to.
void RunIncoming(std::string command, IProgressWindow& progress) {
    IClipboard& clipboard = *Os().clipboard;
    bool again = true;
    while (again) {
        const std::string before = clipboard.Text();
        if (!InvokePGP(command)) {
            return;
        }
        progress.SetPosition(100);
        Os().ui->ProcessMessages();
        again = false;
        const std::string after = clipboard.Text();
        if (!Properties().IgnoreWrappedKeys() && after != before &&
            ClassifyPGP(after).HasPublicKey) {
            again = true;
            command = kCmdAddKey;
            WriteDebugLog("(Nested) Invoked PGP with " + command);
        }
    }
}

// Only a changed clipboard holding PGP output goes back to the mailer: an unchanged one
// means the user cancelled PGP's dialog, and the mailer's text stays as it was.
void RunOutgoing(const std::string& command, IProgressWindow& progress) {
    IClipboard& clipboard = *Os().clipboard;
    Properties().SetClipboardReceiverText("");
    // Clearing the receiver passes its own first milestone; PGP's errors belong to this one.
    Checkpoint() = 5510;
    const std::string before = clipboard.Text();
    if (!InvokePGP(command)) {
        return;
    }
    const std::string after = clipboard.Text();
    if (after == before || !ClassifyPGP(after).HasPGPBlock) {
        return;
    }
    Properties().SetClipboardReceiverText(after);
    progress.SetPosition(83);
}

// After an incoming run PGP's plain text stays on the clipboard on purpose, for the tools.
void HandToPGP(const RunDecision& decision, IProgressWindow& progress, RunLeftovers& leftovers) {
    Os().clipboard->SetText(decision.body);
    if (!decision.incoming) {
        leftovers.bodyOnClipboard = Os().clipboard->SequenceNumber();
    }
    progress.SetPosition(70);
    WriteDebugLog("Invoked PGP with " + decision.command);
    Checkpoint() = 5510;
    if (decision.incoming) {
        RunIncoming(decision.command, progress);
    } else {
        RunOutgoing(decision.command, progress);
    }
}

// Everything between the progress window's opening and the clean-up.
void Process(bool routineRun, IProgressWindow& progress, RunLeftovers& leftovers) {
    if (!MailerFound(progress)) {
        return;
    }
    const TMFDData data = ReadFromMailer(progress);
    const RunDecision decision = DecideRun(InputFor(routineRun, data));
    MarkDecisionMade(decision);
    if (Agreed(decision)) {
        HandToPGP(decision, progress, leftovers);
    }
}

// A body that is still on the clipboard, unchanged since this run put it there, goes: the
// run did not end with PGP's output there. A clipboard that anything has changed since is
// left alone.
void TakeBodyOffClipboard(const RunLeftovers& leftovers) {
    IClipboard& clipboard = *Os().clipboard;
    if (leftovers.bodyOnClipboard && clipboard.SequenceNumber() == *leftovers.bodyOnClipboard) {
        clipboard.Empty();
    }
}

// The main window stays hidden: the user goes on in the mailer. The exchange file is wiped
// whichever way the run ends: a read that failed, or an error, must not leave the message on
// the disk.
void CleanUp(std::unique_ptr<IProgressWindow>& progress, const RunLeftovers& leftovers) {
    Checkpoint() = 5511;
    WipeFile(Paths().exchangeFile);
    TakeBodyOffClipboard(leftovers);
    Checkpoint() = 5512;
    progress.reset();
    Checkpoint() = 5513;
    Os().ui->SetHourglass(false);
    WriteDebugLog("MainPGP-End");
    Checkpoint() = 5599;
}

}  // namespace

// A second start during a run, from any trigger, would destroy the progress window and
// replace the current driver that the run is still using: it is refused.
void MainPGP(bool routineRun) {
    if (Core().runInProgress) {
        WriteDebugLog(kRunRefused);
        return;
    }
    const RunInProgress marker;
    Checkpoint() = 5501;
    Properties().HideMainWindow();
    if (!GoOnDespitePGPBusy()) {
        return;
    }
    std::unique_ptr<IProgressWindow> progress = ShowRunningWindow();
    Checkpoint() = 5502;
    Os().ui->SetHourglass(true);
    RunLeftovers leftovers;
    try {
        Process(routineRun, *progress, leftovers);
    } catch (...) {
        CleanUp(progress, leftovers);
        throw;
    }
    CleanUp(progress, leftovers);
}
