#include "IniSettings.h"

#include <windows.h>

#include "Captions.h"

namespace gpgtray {

namespace {

constexpr const char* kSection = "Preferences";

}  // namespace

std::string ProgramFolder() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

IniSettings::IniSettings() : path_(ProgramFolder() + kSettingsFile) {}

std::string IniSettings::Read(const std::string& key) const {
    char value[4096] = "";
    GetPrivateProfileStringA(kSection, key.c_str(), "", value, sizeof value, path_.c_str());
    return value;
}

void IniSettings::Write(const std::string& key, const std::string& value) {
    WritePrivateProfileStringA(kSection, key.c_str(), value.c_str(), path_.c_str());
}

}  // namespace gpgtray
