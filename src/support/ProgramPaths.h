#pragma once
// The paths that the program forms once at start-up.

#include <string>

struct ProgramPaths {
    std::string dir;       // the executable's directory, with its trailing backslash
    std::string shortDir;  // its short (8.3) form (dir when it has none), with a trailing backslash
    // "tmpmfd.tmp" in the user's own folder under the local application data folder (short
    // form when it has one), or in the program's folder when there is no such folder
    std::string exchangeFile;
};

ProgramPaths& Paths();
