#pragma once
// The PGP tray stand-in as the tests use it: a copy of the built program in a directory of
// its own (where its log, settings and keyring appear), started by the constructor and
// ended by the destructor. Also other programs' window texts.

#include <windows.h>

#include <string>
#include <vector>

class PGPTrayStandin {
public:
    // Throws when the program cannot be copied or started or shows no window in time.
    PGPTrayStandin();
    ~PGPTrayStandin();
    PGPTrayStandin(const PGPTrayStandin&) = delete;
    PGPTrayStandin& operator=(const PGPTrayStandin&) = delete;

    static constexpr const char* kDirectory = "C:\\PGPTray Standin\\";
    static std::string File(const std::string& name) { return kDirectory + name; }

    HWND Window() const { return window_; }

    // Replaces the settings file by a [Behaviour] section with these "Key=value" lines.
    void Configure(const std::vector<std::string>& behaviour) const;

    // Sends the command as the program does and waits for it to be handled; false when the
    // stand-in did not answer within the time limit.
    bool Send(unsigned id, DWORD timeoutMs = 20000) const;

    // The log's lines, and those of them that name a received command (the others are its
    // indented notes).
    std::vector<std::string> LogLines() const;
    std::vector<std::string> CommandLines() const;

    // A top-level window of the stand-in's process, waited for up to the time limit;
    // null when none came.
    HWND WaitForWindow(const char* className, const char* caption, DWORD timeoutMs = 10000) const;

private:
    static void EmptyDirectory();
    HWND FindOwnWindow(const char* className, const char* caption) const;

    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
};

// The text of a window of any process (WM_GETTEXT), such as an edit control.
std::string WindowText(HWND window);
