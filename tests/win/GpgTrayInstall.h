#pragma once
// Tervane GnuPG Tray installed for a test: a copy of TervaneGpg.exe in a folder whose name
// has blanks, with its settings file naming as its gpg.exe a GnuPG double that replays the
// runs recorded in tests/gpgtray/transcripts. The folder is emptied before and after.
// Also what the tests need to drive another process's dialogs and read the clipboard.

#include <windows.h>

#include <future>
#include <memory>
#include <string>

#include "gpgtray/Transcript.h"
#include "win/StandinProgram.h"

class GpgTrayInstall {
public:
    GpgTrayInstall();
    ~GpgTrayInstall();
    GpgTrayInstall(const GpgTrayInstall&) = delete;
    GpgTrayInstall& operator=(const GpgTrayInstall&) = delete;

    static constexpr const char* kFolder = "C:\\Tervane Gpg Test\\";
    static std::string Program() { return std::string(kFolder) + "TervaneGpg.exe"; }
    static std::string Gpg() { return std::string(kFolder) + "GnuPG\\bin\\gpg.exe"; }

    // A value of the program's settings file.
    static void Set(const std::string& key, const std::string& value);
    static std::string Get(const std::string& key);

    // The recorded run whose file name holds the part ("03-encrypt"); throws for none.
    static Transcript Recorded(const std::string& part);
    // The fingerprint of the recorded key with that user ID; throws for none.
    static std::string Fingerprint(const std::string& userId);

    // Starts the installed program and waits for its hidden window; throws when it shows
    // none in time. The program is ended with the object.
    HWND Start();
    DWORD ProcessId() const { return program_->ProcessId(); }

private:
    static void Empty();
    std::unique_ptr<StandinProgram> program_;
};

// A command sent to a window as Tervane 5 sends it, from a thread of its own, so that the
// test can answer the dialogs meanwhile.
class SentCommand {
public:
    SentCommand(HWND window, unsigned id);
    ~SentCommand();
    // Whether the window finished the command within the time limit.
    bool Finished(DWORD timeoutMs = 30000);

private:
    std::future<bool> answered_;
};

// The first shown dialog of the process with that caption (a message box's is the program's
// title), waited for up to the time limit; null when none came.
HWND WaitForDialog(DWORD processId, const char* caption, DWORD timeoutMs = 20000);

// Presses the dialog's button of that id, as a click does, without waiting for what it does.
void PressButton(HWND dialog, int id);

// The text of a dialog's control.
std::string ItemText(HWND dialog, int id);

// The clipboard's Unicode text, and a Unicode text put there, both in UTF-8.
std::string UnicodeClipboardText();
void SetUnicodeClipboardText(const std::string& utf8);
