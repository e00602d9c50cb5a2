// Shows one of the program's windows for scripts/screenshots: the progress window, the
// message dialog as a run shows it when PGP is still busy, the chooser of two running
// mailers, the script information window of the demo mailer's script, the properties
// window on its Mailer Choice or Routine page, the tip of the day, or the question around
// Wine's notepad whether it is the correct window. Writes the window's screen rectangle
// ("left top right bottom") to a file once it has painted, and closes the window when a
// second file appears.
//
//   ShowForScreenshot running|dialog|chooser|scriptinfo|props-mailers|props-routine|tips|confirm
//                     <rectangle file> <stop file>

#include <windows.h>

#include <fstream>
#include <string>
#include <thread>

#include "app/ProgramState.h"
#include "demo/Screenshot.h"
#include "mailers/ConfirmWindow.h"
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
#include "win32/WindowHandle.h"
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

// The dialogs are modal: a second thread waits for the one of that caption, reports it (or
// the window `shown`, which it stands on) and closes it.
std::thread WatchDialog(const std::string& caption, const std::string& rectFile,
                        const std::string& stopFile, HWND shown = nullptr) {
    return std::thread([=] {
        HWND dialog = nullptr;
        while (!(dialog = FindWindowA("#32770", caption.c_str())) || !IsWindowVisible(dialog)) {
            Sleep(20);
        }
        WaitUntilPainted();
        WriteRect(shown ? shown : dialog, rectFile);
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

// The first top-level window of the class that the process shows; null for none.
HWND WindowOfProcess(const char* className, DWORD processId) {
    for (HWND w = FindWindowExA(nullptr, nullptr, className, nullptr); w;
         w = FindWindowExA(nullptr, w, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId && IsWindowVisible(w)) {
            return w;
        }
    }
    return nullptr;
}

// Wine's notepad holding a message, framed and asked about as the internal driver asks.
void ShowConfirm(const std::string& rectFile, const std::string& stopFile) {
    char folder[MAX_PATH] = "";
    GetTempPathA(sizeof folder, folder);
    const std::string message = std::string(folder) + "message.txt";
    std::ofstream(message, std::ios::binary)
        << "Hello Bob,\r\n\r\nsee you on Thursday at the usual place.\r\n\r\nAlice\r\n";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION notepad{};
    std::string commandLine = "notepad.exe \"" + message + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &notepad)) {
        return;
    }
    WaitForInputIdle(notepad.hProcess, 10000);
    HWND frame = nullptr;
    for (int i = 0; i < 500 && !(frame = WindowOfProcess("Notepad", notepad.dwProcessId)); ++i) {
        Sleep(20);
    }
    SetWindowPos(frame, nullptr, 120, 80, 560, 380, SWP_NOZORDER);
    std::thread watcher = WatchDialog("Is this the correct Window?", rectFile, stopFile, frame);
    ConfirmWindow(ToWindowId(FindWindowExA(frame, nullptr, "Edit", nullptr)));
    watcher.join();
    TerminateProcess(notepad.hProcess, 0);
    CloseHandle(notepad.hThread);
    CloseHandle(notepad.hProcess);
    DeleteFileA(message.c_str());
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
    } else if (subject == "confirm") {
        ShowConfirm(argv[2], argv[3]);
    } else {
        return 2;
    }
    return 0;
}
