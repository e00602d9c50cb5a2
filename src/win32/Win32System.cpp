#include "win32/Win32System.h"

#include <windows.h>

#include <shlobj.h>

#include <cstdlib>
#include <cstring>

std::vector<std::string> Win32System::CommandLineArgs() {
    // The C runtime has already split the command line by the system's quoting rules.
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) {
        args.emplace_back(__argv[i]);
    }
    return args;
}

OsVersion Win32System::Version() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    OsVersion version;
    if (GetVersionExA(&info)) {
        version.major = info.dwMajorVersion;
        version.minor = info.dwMinorVersion;
        version.build = info.dwBuildNumber;
        version.platformId = info.dwPlatformId;
        version.servicePack.assign(info.szCSDVersion,
                                   strnlen(info.szCSDVersion, sizeof info.szCSDVersion));
    }
    return version;
}

std::string Win32System::ShortPath(const std::string& path) {
    char shortForm[256];
    const DWORD length = GetShortPathNameA(path.c_str(), shortForm, sizeof shortForm);
    // A result as large as the buffer is the size that a longer form would need.
    if (length == 0 || length >= sizeof shortForm) {
        return "";
    }
    return std::string(shortForm, length);
}

std::string Win32System::LocalAppDataFolder() {
    char folder[MAX_PATH];
    if (FAILED(
            SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
        return "";
    }
    return folder;
}
