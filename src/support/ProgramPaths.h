#pragma once
// The paths that the program forms once at start-up.

#include <string>

struct ProgramPaths {
    std::string dir;           // the executable's directory, with its trailing backslash
    std::string shortDir;      // its short (8.3) form, with its trailing backslash
    std::string exchangeFile;  // shortDir + "tmpmfd.tmp"
};

ProgramPaths& Paths();
