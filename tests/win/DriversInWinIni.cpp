#include "win/DriversInWinIni.h"

#include <windows.h>

#include "win/TestDir.h"

namespace {

constexpr const char* kDriversSection = "Mail Form Drivers";

}  // namespace

DriversInWinIni::DriversInWinIni() {
    char value[MAX_PATH] = "";
    GetProfileStringA(kDriversSection, "Path", "", value, sizeof value);
    saved_ = value;
    std::string directory = TestDir::kPath;
    directory.pop_back();  // the directory is named without its trailing backslash
    WriteProfileStringA(kDriversSection, "Path", directory.c_str());
}

DriversInWinIni::~DriversInWinIni() {
    WriteProfileStringA(kDriversSection, "Path", saved_.empty() ? nullptr : saved_.c_str());
}

std::string ShortPath(const std::string& path) {
    char shortPath[MAX_PATH] = "";
    GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
    return shortPath;
}
