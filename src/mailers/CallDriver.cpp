#include "mailers/CallDriver.h"

#include "mailers/InternalDriver.h"
#include "mailers/MFDDirectory.h"
#include "platform/Platform.h"
#include "platform/Processes.h"
#include "platform/Profiles.h"
#include "platform/UserInterface.h"
#include "support/ProgramPaths.h"
#include "support/WinExecW.h"
#include "support/command.h"
#include "support/fileutil.h"
#include "support/strutil.h"
#include "support/sysinfo.h"

namespace {

bool IsScript(const std::string& driver) {
    return LowerAscii(driver).find(".mfs") != std::string::npos;
}

// The script names its kind at every call; only "Internal", exactly so, is served inside.
bool IsInternalScript(const std::string& directory, const std::string& script) {
    return Os().profiles->ReadPrivate(directory + "\\" + script, "MFS", "Type", "") == "Internal";
}

void RunAndWait(const std::string& commandLine) {
    WinExecAndWait32(commandLine, kSwShowNormal, kNormalPriorityClass);
}

void RunCurrentDriver(const std::string& request) {
    const MailerLibrary& m = Mailers();
    const std::string& driver = m.currentDriver;
    if (!IsScript(driver)) {
        RunAndWait(ProgramDriverCommand(m.directory, driver, request));
    } else if (!request.empty() && IsInternalScript(m.directory, driver)) {
        RunInternalDriver(request);
    } else {
        RunAndWait(ScriptDriverCommand(Paths().shortDir, driver, request));
    }
}

}  // namespace

std::string ProgramDriverCommand(const std::string& directory, const std::string& driver,
                                 const std::string& request) {
    return ProgramPart(ShortFormOrPath(directory) + "\\" + driver) + " " + request;
}

std::string ScriptDriverCommand(const std::string& programShortDir, const std::string& script,
                                const std::string& request) {
    return ProgramPart(programShortDir + "ORV.EXE") + " " + script + " " + request;
}

void CallDriver(const std::string& request) {
    Os().ui->ProcessMessages();
    RunCurrentDriver(request);
    Os().ui->ProcessMessages();
}
