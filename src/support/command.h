#pragma once

#include <string>

// The program's command-line arguments (the program name excluded) joined with no separator.
std::string CommandLineText();
