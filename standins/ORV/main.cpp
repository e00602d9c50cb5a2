// ORV.EXE, the script interpreter: "ORV.EXE SCRIPT.mfs REQUEST" runs the Mail Form Script
// SCRIPT.mfs, found by its bare name in the Mail Form Drivers directory that WIN.INI names,
// and answers the request as a program driver would.

#include <windows.h>

#include "DriverRequest.h"
#include "MailDriver.h"
#include "ScriptFile.h"

namespace {

// As the program itself addresses it: the directory as stored, then a backslash.
std::string DriversDirectory() {
    char directory[MAX_PATH] = "";
    GetProfileStringA("Mail Form Drivers", "Path", "", directory, sizeof directory);
    return directory;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const auto [script, requestText] =
        maildriver::SplitFirstWord(maildriver::CommandArguments(GetCommandLineA()));
    const auto request = maildriver::ParseDriverRequest(requestText);
    if (script.empty() || request.kind == maildriver::RequestKind::None) {
        return maildriver::kBadRequest;
    }
    const auto layout = orv::LoadScript(DriversDirectory() + "\\" + script);
    if (!layout) {
        return maildriver::kScriptMissing;
    }
    return maildriver::ServeRequest(*layout, request);
}
