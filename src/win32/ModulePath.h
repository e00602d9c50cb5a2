#pragma once
// The running program's own executable file.

#include <string>

// Its full path; empty when the system cannot give it.
std::string OwnExecutablePath();
