#pragma once

#include <string>

// The whole content of a file, byte for byte; the empty string when no such file exists.
// Throws FileError with the message "Cannot open file <name>" when the file exists but
// cannot be opened, and "Stream read error" when it cannot be read.
std::string ReadFileString(const std::string& fileName);
