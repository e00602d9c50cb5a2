#pragma once

#include <string>

// The program's command-line arguments (the program name excluded) joined with no separator.
std::string CommandLineText();

// The program part of a command line that the program starts: the program's path, quoted
// when it holds a blank, so that "C:\Program Files\x.exe" cannot start "C:\Program.exe".
std::string ProgramPart(const std::string& program);
