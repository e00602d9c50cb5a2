#include "support/error.h"

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"

namespace {

constexpr const char* kRunningFlagName = "Running.Flg";

}  // namespace

std::string ErrorText(const std::string& place, const std::string& detail) {
    const std::string text =
        "Error in " + place + "." + std::to_string(Checkpoint()) + " with " + detail;
    WriteDebugLog(text);
    return text;
}

void ReportError(const std::string& place, const std::string& detail) {
    Os().dialogs->MessageDlg(ErrorText(place, detail), MsgDlgType::Warning, {MsgDlgBtn::OK}, 0);
}

// The flag may well be absent: its removal is not checked.
void ReportFatalError(const std::string& place, const std::string& detail) {
    Os().dialogs->MessageDlg(ErrorText(place, detail), MsgDlgType::Error, {MsgDlgBtn::OK}, 0);
    Os().files->Remove(Paths().dir + kRunningFlagName);
    Os().application->Terminate();
}

void AppException(const std::string& senderClass, const std::string& message) {
    ReportError(senderClass, "UH " + message);
}
