#include "support/WinExecW.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "support/deblog.h"

namespace {

int StartFailed(const std::string& text) {
    WriteDebugLog(text);
    Os().dialogs->MessageDlg(text, MsgDlgType::Error, {MsgDlgBtn::OK}, 0);
    return -1;
}

}  // namespace

// A command line that does not fit the start buffer is refused whole: cut short, it would
// run with a truncated path or request, or another program altogether.
int WinExecAndWait32(const std::string& commandLine, int showState, std::uint32_t creationFlags) {
    if (commandLine.size() > kMaxCommandLine) {
        return StartFailed("WinExecAndWait32 error: command line longer than " +
                           std::to_string(kMaxCommandLine) + " characters " + commandLine);
    }
    const ProcessRun run = Os().processes->RunAndWait(commandLine, showState, creationFlags);
    if (!run.started) {
        return StartFailed("WinExecAndWait32 error " + std::to_string(run.systemError) + " " +
                           commandLine);
    }
    return static_cast<int>(run.exitCode);
}
