#pragma once
// Starting programs through kernel32.

#include "platform/Processes.h"

class Win32Processes : public IProcesses {
public:
    unsigned WinExec(const std::string& commandLine, int showState) override;
    ProcessRun RunAndWait(const std::string& commandLine, int showState,
                          std::uint32_t creationFlags) override;
};
