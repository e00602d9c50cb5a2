#pragma once
// What the processing core keeps from one run to the next and during a run: PGP's tray
// program and identity, the run guard, and the collaborators a run uses.

#include <string>

#include "core/RunContext.h"
#include "platform/WindowApi.h"

struct CoreState {
    // The tray program's window while a command is being delivered to it; 0 otherwise.
    WindowId PGPBusyHwnd = 0;
    // The full path of the tray program's executable (settings "PGP", "Mainexe").
    std::string PGPMainProgramPath;
    // The installed PGP's name and version as ReadPGPIdentity read them, each behind a blank.
    std::string PGPProductName;
    std::string PGPFileVersion;
    // MainPGP is running: a second start only logs a line.
    bool runInProgress = false;
    RunContext collaborators;
};

CoreState& Core();
