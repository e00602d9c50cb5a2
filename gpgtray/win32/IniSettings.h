#pragma once
// The preferences in the settings file beside the program, section "Preferences".

#include <string>

#include "gpgtray/core/SettingsStore.h"

namespace gpgtray {

class IniSettings : public ISettingsStore {
public:
    IniSettings();
    std::string Read(const std::string& key) const override;
    void Write(const std::string& key, const std::string& value) override;

private:
    std::string path_;
};

// The folder of the running program, with its trailing backslash.
std::string ProgramFolder();

}  // namespace gpgtray
