#pragma once
// Facts about the process and the system, from the C runtime and kernel32.

#include "platform/System.h"

class Win32System : public ISystem {
public:
    std::vector<std::string> CommandLineArgs() override;
    OsVersion Version() override;
    std::string ShortPath(const std::string& path) override;
    std::string LocalAppDataFolder() override;
};
