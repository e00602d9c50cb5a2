#pragma once
// Facts about the running system: its version, short path names and minimised windows.

#include <cstdint>
#include <string>

#include "platform/WindowApi.h"

// "Win32s", "Win95/98", "WinNT", or "Unkown Platform #" and the number.
std::string PlatformName(std::uint32_t id);

// The running Windows as one line: "4.0.1381 WinNTService Pack 6".
std::string WindowsVersionText();

// The short (8.3) form of a path; empty when the system cannot give one.
std::string ShortPathName(const std::string& path);

// The short form of a path, or the path as it stands when the system gives none (a volume
// without short names, a path that does not exist, an empty path).
std::string ShortFormOrPath(const std::string& path);

// True when the window or any of its ancestors is minimised.
bool IsWindowMinimised(WindowId window);
