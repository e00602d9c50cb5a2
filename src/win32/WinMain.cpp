// The program's entry: one copy at a time, the main window and its creation steps, then
// the message loop until the program is told to end.

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/ProgramState.h"
#include "app/Startup.h"
#include "mailers/RunMailers.h"
#include "support/AppInfo.h"
#include "support/deblog.h"
#include "win32/IndicatorControl.h"
#include "win32/ModulePath.h"
#include "win32/PreviousInstance.h"
#include "win32/Win32Platform.h"
#include "win32/props.h"

namespace {

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of('\\') + 1);
}

void RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string programPath = OwnExecutablePath();
    TPreviousInstance previousInstance(FileNameOf(programPath));
    Win32Platform platform;
    ProgramState state;
    state.os = platform.Services();
    const InstalledProgramState installed(state);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    PrepareProgramPaths(programPath);
    if (MustStepAside(previousInstance.PreviousInstance())) {
        // A copy started under a name without ".EXE" looks for no window.
        if (!previousInstance.InstanceName().empty()) {
            RaiseFirstCopy();
        }
        return 0;
    }
    RunMailers mailers;
    state.core.collaborators.mailers = &mailers;
    {
        TfrmProps frmProps(platform);
        FormCreate(frmProps);
        // Made with the program's other windows and never shown: each question makes a
        // panel of its own.
        const TfrmIndicatorControl frmIndicatorControl;
        RunMessageLoop();
        WipeExchangeFile();
    }
    // A session's last line says "Started" although the program is ending: logs of every
    // version end so, and whoever reads them looks for that line.
    WriteDebugLog(std::string("Started ") + kAppTitle);
    return 0;
}
