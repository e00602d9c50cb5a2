#include "support/sysinfo.h"

#include "platform/Platform.h"
#include "platform/System.h"
#include "platform/WindowApi.h"

namespace {

// The service-pack text of the version record holds at most 128 characters.
constexpr std::size_t kServicePackMax = 128;

}  // namespace

// "Unkown" is the program's own spelling of this text.
std::string PlatformName(std::uint32_t id) {
    switch (id) {
        case 0:
            return "Win32s";
        case 1:
            return "Win95/98";
        case 2:
            return "WinNT";
        default:
            return "Unkown Platform #" + std::to_string(id);
    }
}

// The service-pack text follows the platform name with no blank: "4.0.1381 WinNTService Pack 6".
std::string WindowsVersionText() {
    const OsVersion v = Os().system->Version();
    return std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.build & 0xFFFF) + " " + PlatformName(v.platformId) +
           v.servicePack.substr(0, kServicePackMax);
}

std::string ShortPathName(const std::string& path) {
    return Os().system->ShortPath(path);
}

std::string ShortFormOrPath(const std::string& path) {
    const std::string shortForm = path.empty() ? std::string() : ShortPathName(path);
    return shortForm.empty() ? path : shortForm;
}

bool IsWindowMinimised(WindowId window) {
    IWindows& windows = *Os().windows;
    for (WindowId w = window; w != 0; w = windows.ParentOf(w)) {
        if (windows.IsMinimised(w)) {
            return true;
        }
    }
    return false;
}
