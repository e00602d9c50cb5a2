#pragma once
// Facts about the running system and process.

#include <cstdint>
#include <string>
#include <vector>

// What the system reports of its own version.
struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;       // as reported, high word included
    std::uint32_t platformId = 0;  // 0 Win32s, 1 Windows 95/98, 2 Windows NT
    std::string servicePack;       // the CSD version text, up to its first zero byte
};

class ISystem {
public:
    virtual ~ISystem() = default;

    // The program's command-line arguments 1 to N, the program name excluded.
    virtual std::vector<std::string> CommandLineArgs() = 0;

    // The running Windows version.
    virtual OsVersion Version() = 0;

    // The short (8.3) form of a path as the file system gives it, through a buffer of 256
    // bytes. Empty when the system fails (a path that does not exist) or when the short
    // form would not fit the buffer.
    virtual std::string ShortPath(const std::string& path) = 0;

    // The current user's local application data folder ("C:\Users\<name>\AppData\Local"),
    // without a trailing backslash; empty when the system gives none.
    virtual std::string LocalAppDataFolder() = 0;
};
