#pragma once
// Starting other programs.

#include <cstdint>
#include <string>

// The platform's show states and creation flags that the program passes on.
constexpr int kSwShowNormal = 1;
constexpr std::uint32_t kNormalPriorityClass = 0x20;

// How a start-and-wait ended.
struct ProcessRun {
    bool started = false;
    std::uint32_t exitCode = 0;     // when started: the program's exit code
    std::uint32_t systemError = 0;  // when not: the system's error number
};

class IProcesses {
public:
    virtual ~IProcesses() = default;

    // Starts a command line without waiting (WinExec). Returns the start result: 32 or more
    // on success, the system's reason (below 32) otherwise.
    virtual unsigned WinExec(const std::string& commandLine, int showState) = 0;

    // Starts a command line in a new console with the show state and creation flags, waits
    // without a time limit for its end and reads its exit code. The process and thread
    // handles are released before returning.
    virtual ProcessRun RunAndWait(const std::string& commandLine, int showState,
                                  std::uint32_t creationFlags) = 0;
};
