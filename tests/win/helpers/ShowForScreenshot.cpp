// Shows one of the program's windows for scripts/screenshots: the progress window, the
// message dialog as a run shows it when PGP is still busy, the chooser of two running
// mailers, the script information window of the demo mailer's script, the properties
// window on its Mailer Choice or Routine page, or the tip of the day. Writes the window's screen
// rectangle ("left top right bottom") to a file once it has painted, and closes the window
// when a second file appears.
//
//   ShowForScreenshot running|dialog|chooser|scriptinfo|props-mailers|props-routine|tips
//                     <rectangle file> <stop file>

#include <windows.h>

#include <fstream>
#include <string>
#include <thread>

#include "app/ProgramState.h"
#include "demo/Screenshot.h"
#include "mailers/MFDDirectory.h"
#include "platform/MailerWindows.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/Tips.h"
#include "win32/Tips.h"
#include "win32/Win32Dialogs.h"
#include "win32/Win32MailerWindows.h"
#include "win32/Win32Platform.h"
#include "win32/props.h"
#include "win32/running.h"

namespace {

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteRect(HWND window, const std::string& path) {
    RECT r{};
    GetWindowRect(window, &r);
    std::ofstream(path) << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom << '\n';
}

// Handles what waits in this thread's queue.
void HandlePending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Keeps the window painted until the stop file appears.
void PumpUntil(const std::string& stopFile) {
    while (!Exists(stopFile)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        HandlePending();
    }
}

void ShowRunning(const std::string& rectFile, const std::string& stopFile) {
    const Hourglass hourglass;
    TfrmRunning frmRunning(300, 300, hourglass);
    frmRunning.SetPosition(40);
    WaitUntilPainted(HandlePending);
    WriteRect(frmRunning.Handle(), rectFile);
    PumpUntil(stopFile);
}

// The dialogs are modal: a second thread waits for the one of that caption, reports it and
// closes it.
std::thread WatchDialog(const std::string& caption, const std::string& rectFile,
                        const std::string& stopFile) {
    return std::thread([=] {
        HWND dialog = nullptr;
        while (!(dialog = FindWindowA("#32770", caption.c_str())) || !IsWindowVisible(dialog)) {
            Sleep(20);
        }
        WaitUntilPainted();
        WriteRect(dialog, rectFile);
        while (!Exists(stopFile)) {
            Sleep(50);
        }
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
}

void ShowDialog(const std::string& rectFile, const std::string& stopFile) {
    std::thread watcher = WatchDialog("Warning", rectFile, stopFile);
    Win32Dialogs().MessageDlg(
        "A previous run of Tervane 5 appears to be active and a PGP dialog present. We suggest "
        "using alt-TAB to find the relevant PGP dialog\r\n\n"
        "If you use the Ignore button, you may encounter errors",
        MsgDlgType::Warning, {MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}, 0);
    watcher.join();
}

std::string ChooserRow(const std::string& shown, const std::string& driverFile) {
    return shown + std::string(200, ' ') + driverFile;
}

void ShowChooser(const std::string& rectFile, const std::string& stopFile) {
    std::thread watcher =
        WatchDialog("These mailers are running right now - choose one", rectFile, stopFile);
    const auto chooser = Win32MailerWindows().CreateChooser();
    chooser->AddRow(
        ChooserRow("Demo Mail - a small mail program for demonstrations / Demo Mail - Compose",
                   "DemoMfd.EXE"));
    chooser->AddRow(
        ChooserRow("Demo Mail, the demo mail program (script DemoMail.mfs) / Message - Demo Mail",
                   "DemoMail.mfs"));
    int chosenRow = 1;
    chooser->Choose(chosenRow);
    watcher.join();
}

// The "Information" lines of the demo mailer's script, then the empty ones up to 100.
std::string ScriptInformation() {
    std::string text =
        "Demo Mail - Mail Form Script\r\n"
        "\r\n"
        "Reads and writes the windows of Demo Mail (DemoMail.exe), the small mail\r\n"
        "program that comes with Tervane 5 for trying it out:\r\n"
        "  - \"Compose - Demo Mail\": a message being written (To, Cc, Subject, body).\r\n"
        "    Tervane 5 can put its result back into the body.\r\n"
        "  - \"Message - Demo Mail\": a received message (From, To, Cc, Subject, body).\r\n";
    for (int n = 8; n <= 100; ++n) {
        text += "\r\n";
    }
    return text;
}

void ShowScriptInfo(const std::string& rectFile, const std::string& stopFile) {
    const std::string caption = "Mail Form Script - C:\\Mail Form Drivers\\DemoMail.mfs";
    std::thread watcher = WatchDialog(caption, rectFile, stopFile);
    Win32MailerWindows().ShowScriptInfo(caption, ScriptInformation());
    watcher.join();
}

// The two demo mailers, one in each list, and two mailing-list addresses.
void ShowProps(Win32Platform& platform, int page, const std::string& rectFile,
               const std::string& stopFile) {
    Mailers().library = {EntryText({"Demo Mail (script)", "", "DemoMail.mfs"})};
    Mailers().active = {EntryText({"Demo Mail (program driver)", "", "DemoMfd.EXE"})};
    Props().mailingList = {"tervane-users@lists.example.org", "announce@example.net"};
    Shell().recentPage = page;
    TfrmProps frmProps(platform, [](HWND, int) {});
    frmProps.ShowPropsWindow();
    WaitUntilPainted(HandlePending);
    WriteRect(frmProps.Handle(), rectFile);
    PumpUntil(stopFile);
}

// The first tip of "tips.dat", with a help topic, as the tip window shows it.
class FirstTip : public ITipBrowser {
public:
    const std::string& Text() const override { return tip_.text; }
    int HelpContext() const override { return tip_.helpContext; }
    bool ShowTips() const override { return true; }
    void Next() override {}
    void Previous() override {}
    void SetShowTips(bool) override {}

private:
    TipLine tip_ = ParseTipLine(
        "4000,A left click on the Tervane 5 icon in the notification area processes the message "
        "in the mail window at the front: outgoing mail is encrypted or signed, incoming PGP "
        "mail is decrypted and verified.");
};

void ShowTips(const std::string& rectFile, const std::string& stopFile) {
    std::thread watcher = WatchDialog("Tervane 5 - Tip of the Day", rectFile, stopFile);
    FirstTip tips;
    TfrmTips(tips, [](HWND, int) {}).ShowModal();
    watcher.join();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const std::string subject = argv[1];
    // The windows place themselves through the platform.
    Win32Platform platform;
    ProgramState state;
    state.os = platform.Services();
    const InstalledProgramState installed(state);
    if (subject == "running") {
        ShowRunning(argv[2], argv[3]);
    } else if (subject == "dialog") {
        ShowDialog(argv[2], argv[3]);
    } else if (subject == "chooser") {
        ShowChooser(argv[2], argv[3]);
    } else if (subject == "scriptinfo") {
        ShowScriptInfo(argv[2], argv[3]);
    } else if (subject == "props-mailers") {
        ShowProps(platform, kPageMailerChoice, argv[2], argv[3]);
    } else if (subject == "props-routine") {
        ShowProps(platform, kPageRoutine, argv[2], argv[3]);
    } else if (subject == "tips") {
        ShowTips(argv[2], argv[3]);
    } else {
        return 2;
    }
    return 0;
}
