#include "mailers/MailerDetails.h"

#include "mailers/CallDriver.h"
#include "mailers/MFDDirectory.h"
#include "platform/MailerWindows.h"
#include "platform/Platform.h"
#include "platform/Profiles.h"

namespace {

constexpr int kInformationLines = 100;

std::string ScriptPath(const std::string& scriptFile) {
    return Mailers().directory + "\\" + scriptFile;
}

}  // namespace

std::string ScriptInfoCaption(const std::string& scriptFile) {
    return "Mail Form Script - " + ScriptPath(scriptFile);
}

std::string ScriptInfoText(const std::string& scriptFile) {
    const std::string path = ScriptPath(scriptFile);
    std::string text;
    for (int n = 1; n <= kInformationLines; ++n) {
        text += Os().profiles->ReadPrivate(path, "Information", std::to_string(n), "") + "\r\n";
    }
    return text;
}

void ShowMailerDetails(const std::string& driverFile) {
    if (driverFile.find(".EXE") != std::string::npos) {
        Mailers().currentDriver = driverFile;
        CallDriver("");
    } else {
        ShowScriptInfo(driverFile);
    }
}

void ShowScriptInfo(const std::string& scriptFile) {
    Mailers().currentDriver = scriptFile;
    Os().mailerWindows->ShowScriptInfo(ScriptInfoCaption(scriptFile), ScriptInfoText(scriptFile));
}
