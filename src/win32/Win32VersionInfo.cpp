#include "win32/Win32VersionInfo.h"

#include <windows.h>

#include <vector>

#include "win32/ModulePath.h"

VersionQuery Win32VersionInfo::Query(const std::string& fileName, const std::string& subBlock) {
    const std::string file = fileName.empty() ? OwnExecutablePath() : fileName;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    if (size == 0) {
        return {};
    }
    // A byte to spare past the reported size.
    std::vector<char> info(size + 1);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, info.data())) {
        return {};
    }
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), subBlock.c_str(), &value, &length) || !value) {
        return {VersionQuery::Status::QueryFailed, 0, ""};
    }
    return {VersionQuery::Status::Found, length,
            std::string(static_cast<const char*>(value), length)};
}
