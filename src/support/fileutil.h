#pragma once
// Whole-file operations and a few system facts.

#include <cstdint>
#include <string>

#include "platform/WindowApi.h"

// Creates or truncates the file and writes S exactly. A failure is reported as a warning
// ("WriteFileString:" + file name) and goes no further.
void WriteFileString(const std::string& fileName, const std::string& s);

// Keeps the last MaxSize + 1 bytes of a file that is longer than MaxSize bytes.
void TrimFileToSize(const std::string& fileName, int maxSize);

// TrimFileToSize, then the file rewritten with its own content (created empty when it was
// absent). A failure is reported as a warning and goes no further.
void TrimFileToSizeCosmetic(const std::string& fileName, int maxSize);

// Overwrites the file in place in six passes (zeros, 0xFF, random; twice), cuts it to
// zero length and deletes it. A missing file is left alone; other failures are ignored.
void WipeFile(const std::string& fileName);

// "Win32s", "Win95/98", "WinNT", or "Unkown Platform #" and the number.
std::string PlatformName(std::uint32_t id);

// The running Windows as one line: "4.0.1381 WinNTService Pack 6".
std::string WindowsVersionText();

// The short (8.3) form of a path; empty when the system cannot give one.
std::string ShortPathName(const std::string& path);

// True when the window or any of its ancestors is minimised.
bool IsWindowMinimised(WindowId window);
