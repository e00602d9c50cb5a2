#pragma once
// Starting a program and waiting for its end.

#include <cstdint>
#include <string>

// The longest command line that a start accepts: the start buffer holds 256 bytes with
// the terminating zero.
constexpr std::size_t kMaxCommandLine = 255;

// Starts the command line in a new console with the show state and creation flags, waits
// without a time limit for the program's end and returns its exit code. When the program
// cannot be started, or the command line is too long, tells the user, logs the reason
// and returns -1.
int WinExecAndWait32(const std::string& commandLine, int showState, std::uint32_t creationFlags);
