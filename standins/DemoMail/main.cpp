// Demo Mail, a small mail program for the tests and the demo.
//   DemoMail.exe                  an empty compose window
//   DemoMail.exe /compose FILE    a compose window filled from a message file
//   DemoMail.exe /read FILE       a read window showing a message file

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "EditMenu.h"
#include "MailWindow.h"
#include "MessageFile.h"

namespace {

constexpr int kUsageExitCode = 2;

int RunMessageLoop(HWND window) {
    HACCEL accelerators = demomail::CreateEditAccelerators();
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, accelerators, &message) &&
            !IsDialogMessageA(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    DestroyAcceleratorTable(accelerators);
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    using demomail::MailWindowKind;
    MailWindowKind kind = MailWindowKind::Compose;
    demomail::MailMessage message;
    if (__argc == 3 &&
        (std::strcmp(__argv[1], "/read") == 0 || std::strcmp(__argv[1], "/compose") == 0)) {
        kind =
            std::strcmp(__argv[1], "/read") == 0 ? MailWindowKind::Read : MailWindowKind::Compose;
        message = demomail::LoadMessageFile(__argv[2]);
    } else if (__argc != 1) {
        MessageBoxA(nullptr, "Usage: DemoMail.exe [/compose FILE | /read FILE]", "Demo Mail",
                    MB_OK | MB_ICONINFORMATION);
        return kUsageExitCode;
    }
    HWND window = demomail::OpenMailWindow(kind, message, show);
    return window ? RunMessageLoop(window) : EXIT_FAILURE;
}
