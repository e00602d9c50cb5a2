#pragma once
// The stand-in programs of this build tree (the demo mailer, its drivers, the script
// interpreter), started by a test and ended with it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// A file below the build tree's stand-in directory, e.g. "drivers\\DemoMfd.EXE".
std::string StandinPath(const std::string& relative);

class StandinProgram {
public:
    // Starts the command line, asking the program to show its first window as `show` says;
    // throws when it cannot be started.
    explicit StandinProgram(const std::string& commandLine, WORD show = SW_SHOWNORMAL);
    // Ends the program if it is still running.
    ~StandinProgram();
    StandinProgram(const StandinProgram&) = delete;
    StandinProgram& operator=(const StandinProgram&) = delete;

    DWORD ProcessId() const { return process_.dwProcessId; }

    // The exit code when the program ends within the time limit.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000);

    // The program's top-level windows in Z order, the hidden ones too unless visibleOnly, of
    // the class (null: of any class).
    std::vector<HWND> TopLevelWindows(bool visibleOnly, const char* className) const;

    // The program's first visible top-level window of the class, once it is there; null when
    // none comes within the time limit.
    HWND WaitForWindow(const char* className, DWORD timeoutMs = 20000) const;

private:
    PROCESS_INFORMATION process_{};
};

// Runs the command line to its end and gives its exit code; throws when it does not end
// within the time limit.
DWORD RunToEnd(const std::string& commandLine);
