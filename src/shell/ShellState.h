#pragma once
// The program-wide state of the application shell: what the tray, the timer, the tip window
// and the properties window share while the program runs. Nothing here is saved, except
// the tip state and the recent page through the settings file.

#include <string>

// The tip of the day's place and switch, kept in the settings file as TipNumber and
// TipEnabled.
struct TipState {
    int index = 0;
    bool enabled = true;
};

struct ShellState {
    bool trayRunning = false;    // a run started from the main icon is in progress
    bool tipWindowOpen = false;  // the tip window is open
    bool superDebug = false;     // toggled by Ctrl+Alt+A; never stored
    int tickCount = 0;           // timer ticks since start-up or the last daily duty
    bool silentStart = false;    // "/s" on the command line: no tip at start-up
    int recentPage = 2;          // the properties window's page last shown
    TipState tips;
    std::string distInfo;           // the distribution note of "DistInfo.Dat"
    std::string clipboardReceiver;  // txtClipboardReceiver's text
};

ShellState& Shell();
