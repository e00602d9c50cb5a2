// Tervane GnuPG Tray: answers the PGP tray window's commands with GnuPG.
#include <windows.h>

#include "Captions.h"
#include "Dialog.h"
#include "IniSettings.h"
#include "Installations.h"
#include "MessageBoxes.h"
#include "PipeRunner.h"
#include "TrayWindow.h"
#include "UnicodeClipboard.h"
#include "Win32TrayUi.h"

namespace {

void RunMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!gpgtray::IsModelessDialogMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // One copy serves every sender; a second would only compete for the commands.
    if (FindWindowA(gpgtray::kTrayWindowClass, nullptr)) {
        return 0;
    }
    try {
        gpgtray::TrayWindow window(instance);
        gpgtray::UnicodeClipboard clipboard(window.Handle());
        gpgtray::PipeRunner runner;
        gpgtray::IniSettings settings;
        gpgtray::Installations installations;
        gpgtray::Win32TrayUi ui;
        gpgtray::TrayProgram program(
            {clipboard, runner, settings, installations, ui.CodePage(), ui});
        window.Serve(program);
        RunMessageLoop();
        return 0;
    } catch (const std::exception& error) {
        gpgtray::ShowFailure(error.what());
        return 1;
    }
}
