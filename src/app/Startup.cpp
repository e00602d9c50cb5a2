#include "app/Startup.h"

#include <functional>

#include "core/CoreState.h"
#include "core/MFDData.h"
#include "core/PGPInvoke.h"
#include "mailers/MFDDirectory.h"
#include "platform/Files.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "platform/UserInterface.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/Tips.h"
#include "shell/props.h"
#include "shell/settings.h"
#include "support/PathOfF.h"
#include "support/ProgramPaths.h"
#include "support/command.h"
#include "support/deblog.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/strutil.h"
#include "support/sysinfo.h"
#include "support/verslab.h"

namespace {

constexpr const char* kMainWindowClass = "TfrmProps";
constexpr const char* kExeEnding = ".EXE";
// The exchange file's folder under the user's local application data folder.
constexpr const char* kExchangeFolderName = "Tervane 5";

// Runs one creation step. A failure is reported as the application reports what nothing
// caught, and creation goes on with the next step.
void Step(const std::function<void()>& step) {
    RunGuarded(kMainWindowClass, step);
}

void ResetRunState() {
    ShellState& shell = Shell();
    shell.trayRunning = false;
    shell.tipWindowOpen = false;
    shell.superDebug = false;
    shell.tickCount = 0;
    Core().PGPBusyHwnd = 0;
    Mailers().chosenRow = 0;
}

void ReadCommandLine() {
    const std::string command = CommandLineText();
    WriteDebugLog("Cmd: <" + command + ">");
    Shell().silentStart = command.find("/s") != std::string::npos;
}

// The mailer library; the Active driver list is rebuilt even when the library file cannot
// be read, so that it matches the Active list as it stands.
void LoadMailers() {
    try {
        LoadMailerLibrary();
    } catch (...) {
        BuildActiveDriverList();
        throw;
    }
}

// A drive and a backslash, or a network path.
bool IsAbsolute(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.starts_with("\\\\");
}

// The folder, without its trailing backslash, where only this user reads the exchange file
// and where no VirtualStore redirects the program or a driver. Without one the file stays
// in the program's folder, where it was always found.
std::string ExchangeFolder() {
    const std::string local = Os().system->LocalAppDataFolder();
    if (IsAbsolute(local)) {
        const std::string folder = local + "\\" + kExchangeFolderName;
        if (Os().files->CreateFolder(folder)) {
            return folder;
        }
    }
    WriteDebugLog("No folder of the user's own for tmpmfd.tmp, using " + Paths().dir);
    return Paths().dir.substr(0, Paths().dir.size() - 1);
}

// Drivers get the path without quotes: its short form keeps it free of blanks where the
// volume has short names. A file left by a run that did not end is wiped.
void PrepareExchangeFile() {
    Paths().exchangeFile = ShortFormOrPath(ExchangeFolder()) + "\\" + kExchangeFileName;
    WipeFile(Paths().exchangeFile);
}

bool PGPToolsInstalled() {
    return Os().files->Exists(PathOfFile(Core().PGPMainProgramPath) + "PGPTools.Exe");
}

// The "&Enable" box is checked as its click would check it, which stores the tip settings;
// the milestones are passed after that, with tips on or off.
void CheckTipEnable() {
    if (Shell().tips.enabled) {
        Props().chkTipEnabled = true;
        SaveTipSettings();
    }
    Checkpoint() = 4402;
    Checkpoint() = 4403;
}

void FillAbout() {
    TVersionLabel& label = VersionLabel1();
    label.SetInfoPrefix("");
    FillAboutText(label.Caption());
}

void LetMessagesThrough(int checkpoint) {
    Os().ui->ProcessMessages();
    Checkpoint() = checkpoint;
}

}  // namespace

std::string InstanceName(const std::string& programFileName) {
    if (programFileName.find(kExeEnding) == std::string::npos) {
        return {};
    }
    return programFileName.substr(0, programFileName.size() - 4);
}

std::string InstanceMutexName(const std::string& programFileName) {
    return LowerAscii(programFileName);
}

void PrepareProgramPaths(const std::string& programPath) {
    ProgramPaths& paths = Paths();
    paths.dir = PathOfFile(programPath);
    paths.shortDir = ShortFormOrPath(paths.dir);
    Os().files->Remove(paths.dir + "Installer.Flg");
}

bool MustStepAside(bool previousInstanceRunning) {
    const std::string allowFlag = Paths().dir + "AllowDuplicateInstance.Flg";
    if (Os().files->Exists(allowFlag)) {
        Os().files->Remove(allowFlag);
        return false;
    }
    return previousInstanceRunning;
}

void WipeExchangeFile() {
    WipeFile(Paths().exchangeFile);
}

void FormCreate(IMainWindowSteps& window) {
    Step(LoadDistInfo);
    Step(ResetRunState);
    Step(ReadCommandLine);
    Step([] { Os().ui->ProcessMessages(); });
    Step(TrimDebugLog);
    Step([&] { window.HideFromTaskbar(); });
    Step(PrepareExchangeFile);
    Step(LoadMailers);
    Step([&] {
        window.Hide();
        Checkpoint() = 4400;
    });
    Step(LoadSettings);
    Step([&] {
        window.ShowPGPToolsButton(PGPToolsInstalled());
        Checkpoint() = 4401;
    });
    Step(CheckTipEnable);
    Step([&] {
        window.Refresh();
        Checkpoint() = 4404;
        Checkpoint() = 4405;
    });
    Step([&] {
        window.Hide();
        Checkpoint() = 4406;
    });
    Step([] {
        if (Shell().tips.enabled && !Shell().silentStart) {
            ShowTipOfTheDay();
        }
        Checkpoint() = 4407;
    });
    Step(FillAbout);
    Step([] { LetMessagesThrough(4408); });
    Step([] { WriteDebugLog(Props().aboutText); });
    Step([&] { window.ActivateTrayIcons(); });
    Checkpoint() = 4409;
}
