// Shows a window of Tervane GnuPG Tray for scripts/screenshots: TervaneGpg.exe installed
// with the GnuPG double as the Wine tests have it, asked to encrypt the demo mailer's message
// (its recipients dialog, Bob chosen as last time) or to open the recorded message that
// Alice encrypted and signed (its text window). Writes the window's screen rectangle
// ("left top right bottom") to a file once it is on the screen, and closes it when a second
// file appears.
//
//   GpgTrayScreens recipients|opened <rectangle file> <stop file>

#include <windows.h>

#include <fstream>
#include <string>

#include "gpgtray/Transcript.h"
#include "gpgtray/core/CommandIds.h"
#include "gpgtray/win32/Captions.h"
#include "win/GpgTrayInstall.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const bool recipients = std::string(argv[1]) == "recipients";
    GpgTrayInstall install;
    GpgTrayInstall::Set("LastRecipients", GpgTrayInstall::Fingerprint(scenario::kBob));
    const HWND tray = install.Start();
    SetUnicodeClipboardText(recipients ? scenario::kMailBody
                                       : GpgTrayInstall::Recorded("05-encrypt").output);
    SentCommand command(tray, recipients ? GPGTRAY_ENCRYPT : GPGTRAY_DECRYPT_VERIFY);
    const HWND window = WaitForDialog(
        install.ProcessId(), recipients ? gpgtray::kRecipientsCaption : gpgtray::kOpenedCaption);
    if (!window) {
        return 1;
    }
    Sleep(300);  // the first paint
    RECT r{};
    GetWindowRect(window, &r);
    std::ofstream(argv[2]) << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom << '\n';
    while (GetFileAttributesA(argv[3]) == INVALID_FILE_ATTRIBUTES) {
        Sleep(50);
    }
    PressButton(window, IDCANCEL);
    return command.Finished() ? 0 : 1;
}
