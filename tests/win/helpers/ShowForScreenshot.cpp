// Shows one of the program's windows for scripts/screenshots: the progress window, or the
// message dialog as a run shows it when PGP is still busy. Writes the window's screen
// rectangle ("left top right bottom") to a file once it is on the screen, and closes the
// window when a second file appears.
//
//   ShowForScreenshot running|dialog <rectangle file> <stop file>

#include <windows.h>

#include <fstream>
#include <string>
#include <thread>

#include "win32/Win32Dialogs.h"
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

// Keeps the window painted until the stop file appears.
void PumpUntil(const std::string& stopFile) {
    while (!Exists(stopFile)) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

void ShowRunning(const std::string& rectFile, const std::string& stopFile) {
    TfrmRunning frmRunning(300, 300);
    frmRunning.SetPosition(40);
    WriteRect(frmRunning.Handle(), rectFile);
    PumpUntil(stopFile);
}

// The dialog is modal: a second thread waits for it, reports it and closes it.
void ShowDialog(const std::string& rectFile, const std::string& stopFile) {
    std::thread watcher([&] {
        HWND dialog = nullptr;
        while (!(dialog = FindWindowA("#32770", "Warning")) || !IsWindowVisible(dialog)) {
            Sleep(20);
        }
        Sleep(300);  // the first paint
        WriteRect(dialog, rectFile);
        while (!Exists(stopFile)) {
            Sleep(50);
        }
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Win32Dialogs().MessageDlg(
        "A previous run of Tervane 5 appears to be active and a PGP dialog present. We suggest "
        "using alt-TAB to find the relevant PGP dialog\r\n\n"
        "If you use the Ignore button, you may encounter errors",
        MsgDlgType::Warning, {MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}, 0);
    watcher.join();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        return 2;
    }
    const std::string subject = argv[1];
    if (subject == "running") {
        ShowRunning(argv[2], argv[3]);
    } else if (subject == "dialog") {
        ShowDialog(argv[2], argv[3]);
    } else {
        return 2;
    }
    return 0;
}
