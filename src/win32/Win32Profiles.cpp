#include "win32/Win32Profiles.h"

#include <windows.h>

namespace {

// Room for a path or a line of text; longer values are cut.
constexpr DWORD kValueSize = 1024;

}  // namespace

std::string Win32Profiles::ReadSystem(const std::string& section, const std::string& key,
                                      const std::string& defaultValue) {
    char value[kValueSize];
    const DWORD length =
        GetProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), value, kValueSize);
    return std::string(value, length);
}

std::string Win32Profiles::ReadPrivate(const std::string& path, const std::string& section,
                                       const std::string& key, const std::string& defaultValue) {
    char value[kValueSize];
    const DWORD length = GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), value, kValueSize, path.c_str());
    return std::string(value, length);
}

bool Win32Profiles::WritePrivate(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
           FALSE;
}
