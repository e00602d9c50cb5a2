#pragma once
// Whole-file operations.

#include <string>

// The whole content of a file, byte for byte; the empty string when no such file exists.
// Throws FileError with the message "Cannot open file <name>" when the file exists but
// cannot be opened, and "Stream read error" when it cannot be read.
std::string ReadFileString(const std::string& fileName);

// Creates or truncates the file and writes S exactly. A failure is reported as a warning
// ("WriteFileString:" + file name) and goes no further; false then.
bool WriteFileString(const std::string& fileName, const std::string& s);

// Keeps the last MaxSize + 1 bytes of a file that is longer than MaxSize bytes.
void TrimFileToSize(const std::string& fileName, int maxSize);

// TrimFileToSize, then the file rewritten with its own content (created empty when it was
// absent). A failure is reported as a warning and goes no further.
void TrimFileToSizeCosmetic(const std::string& fileName, int maxSize);

// Overwrites the file in place in six passes (zeros, 0xFF, random; twice), cuts it to
// zero length and deletes it. A missing file is left alone; other failures are ignored.
void WipeFile(const std::string& fileName);
