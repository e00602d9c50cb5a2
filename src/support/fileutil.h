#pragma once
// Whole-file operations.

#include <set>
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
// zero length and deletes it, its read-only attribute cleared first. A missing file is left
// alone. True when the file is gone; when it is not, a log line names it and the user is
// warned, once for each file while the program runs.
bool WipeFile(const std::string& fileName);

// The warning of a file that could not be wiped, the file's path following it.
constexpr const char* kWipeFailedText =
    "Tervane 5 could not erase a file that may hold the text of a message. Another program "
    "may be using it. Please delete it yourself once that program has closed it:\r\n";

// The files whose failed wipe the user has been warned of.
std::set<std::string>& WipeFailuresShown();
