#pragma once
// Tervane5.exe installed for a test as a user would have it: a copy of the built program in
// the test directory (whose name has blanks), which is also the Mail Form Drivers directory
// that WIN.INI names, holding the demo mailer's library, program driver and script; the
// settings file pointing at the PGP tray stand-in, tips off, and the demo mailer's program
// driver in the Active list. Everything it changes outside the test directory is put back.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "win/DriversInWinIni.h"
#include "win/StandinProgram.h"
#include "win/TestDir.h"

class InstalledProgram {
public:
    InstalledProgram();
    ~InstalledProgram();
    InstalledProgram(const InstalledProgram&) = delete;
    InstalledProgram& operator=(const InstalledProgram&) = delete;

    static std::string File(const std::string& name) { return TestDir::File(name); }

    // Starts the installed program with the arguments.
    static std::unique_ptr<StandinProgram> Start(const std::string& arguments = "");

    // The program's tray icon windows, once both icons are in the notification area, which
    // is the last step of start-up; empty when they do not come within the time limit.
    static std::vector<HWND> WaitForTrayIcons(const StandinProgram& program,
                                              DWORD timeoutMs = 20000);

    // Of the program's tray icon windows, the one whose tip is that text; null for none.
    static HWND IconTitled(const std::vector<HWND>& icons, const std::string& toolTip);

    // The program's visible top-level windows.
    static std::vector<HWND> VisibleWindows(const StandinProgram& program);

    // A left click on the main tray icon as the notification area reports it, with the
    // mailer's window in front. The tools icon ignores left clicks, so both hear it.
    static void ClickMainIcon(const std::vector<HWND>& icons, HWND mailerWindow);

    // The program's debug log; empty while there is none.
    static std::string DebugLog();

private:
    TestDir dir_;
    DriversInWinIni drivers_;
};

// Polls the condition every 50 ms until it holds or the time limit passes; its last answer.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 30000);
