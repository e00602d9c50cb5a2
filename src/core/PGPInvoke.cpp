#include "core/PGPInvoke.h"

#include <cstdint>

#include "core/CoreState.h"
#include "core/PGPBlocks.h"
#include "core/PGPCommands.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/UserInterface.h"
#include "support/command.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/sysinfo.h"
#include "support/verslab.h"

namespace {

struct PGPCommand {
    const char* text;
    unsigned id;
};

constexpr PGPCommand kPGPCommands[] = {
    {kCmdAutoEncrypt, 40017},     {kCmdAutoSign, 40018},
    {kCmdAutoEncryptSign, 40007}, {kCmdAutoDecryptVerify, 40008},
    {kCmdAddKey, 40006},          {kCmdProperties, 40012},
    {kCmdTools, 40019},
};

// The tray program gets this long to show its window after its start: the limit is a day's
// fraction of 0.0001157407, a hair under 10 s, so a full 10 s is already past it.
constexpr std::int64_t kTrayStartLimit = 10000;
// Between two looks for the window, the program waits this long for messages.
constexpr int kTrayStartPoll = 50;
constexpr unsigned kFirstGoodStartResult = 32;
constexpr const char* kIdentityCharset = "040904b0";

// Keeps messages flowing while the tray program starts up. The time is the steady clock's,
// so that a change of the local time neither stretches nor ends the wait, and the window is
// looked for once more after the limit: a dialog of ours open through the whole wait
// (messages are processed) must not turn a tray program that has come into a fatal error.
WindowId WaitForPGPtray(unsigned startResult) {
    const std::int64_t start = Os().clock->SteadyMilliseconds();
    for (;;) {
        if (const WindowId tray = FindPGPtray()) {
            return tray;
        }
        Os().ui->WaitForMessages(kTrayStartPoll);
        if (Os().clock->SteadyMilliseconds() - start >= kTrayStartLimit) {
            if (const WindowId tray = FindPGPtray()) {
                return tray;
            }
            ReportFatalError("MainPGPHwnd timed out " + std::to_string(startResult),
                             Core().PGPMainProgramPath);
            return 0;
        }
    }
}

// A start that fails is fatal: the program ends once control is back in the message loop.
WindowId StartPGPtray() {
    const unsigned result =
        Os().processes->WinExec(TrayStartCommand(Core().PGPMainProgramPath), kSwShowNormal);
    if (result < kFirstGoodStartResult) {
        ReportFatalError("Winexec returned " + std::to_string(result), Core().PGPMainProgramPath);
        return 0;
    }
    return WaitForPGPtray(result);
}

// The send returns when the tray program has finished the command, dialogs included; a run
// that starts meanwhile sees Core().PGPBusyHwnd set.
void DeliverCommand(WindowId tray, unsigned id) {
    struct BusyWhileSending {
        explicit BusyWhileSending(WindowId w) { Core().PGPBusyHwnd = w; }
        ~BusyWhileSending() { Core().PGPBusyHwnd = 0; }
    } busy(tray);
    Os().windows->SendCommand(tray, id);
}

// "-AutoEncrypt" and "-AutoEncryptSign", not "-AutoDecryptVerify".
bool Encrypts(const std::string& command) {
    return command.find("Encrypt") != std::string::npos;
}

}  // namespace

std::string TrayStartCommand(const std::string& programPath) {
    return ProgramPart(ShortFormOrPath(programPath));
}

unsigned PGPCommandId(const std::string& command) {
    for (const PGPCommand& c : kPGPCommands) {
        if (command == c.text) {
            return c.id;
        }
    }
    return kDefaultPGPCommandId;
}

// The window walk of the mailer side will take over this search.
WindowId FindPGPtray() {
    return Os().windows->FindTopLevelByClass(kPGPtrayClass);
}

// Once a fatal report has asked the program to end, nothing is tried, so the same failure
// is not reported twice.
bool InvokePGP(const std::string& command) {
    if (Os().application->Terminating()) {
        return false;
    }
    WindowId tray = FindPGPtray();
    if (tray == 0) {
        tray = StartPGPtray();
        if (tray == 0) {
            return false;
        }
    }
    const unsigned id = PGPCommandId(command);
    Os().windows->SetForeground(tray);
    DeliverCommand(tray, id);
    if (Encrypts(command) && !ClassifyPGP(Os().clipboard->Text()).HasMessage) {
        ReportError("Message", "PGP failed to encrypt!!!");
        return false;
    }
    return true;
}

// Each text comes out behind one blank: the label's caption is empty while it reads.
void ReadPGPIdentity(TVersionLabel& label) {
    label.SetInfoPrefix("");
    Core().PGPFileVersion = label.GetInfoGeneral(Core().PGPMainProgramPath, kIdentityCharset);
    label.SetVersionResourceKey("ProductName");
    label.SetInfoPrefix("");
    Core().PGPProductName = label.GetInfoGeneral(Core().PGPMainProgramPath, kIdentityCharset);
    label.SetVersionResourceKey("FileVersion");
}
