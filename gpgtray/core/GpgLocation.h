#pragma once
// Where gpg.exe is: named in the preferences, registered by GnuPG's Windows installer, or
// on the search path.

#include <string>
#include <vector>

namespace gpgtray {

class IGpgInstallations {
public:
    virtual ~IGpgInstallations() = default;
    // The installation folders that installers registered, most specific first.
    virtual std::vector<std::string> RegisteredFolders() const = 0;
    virtual bool FileExists(const std::string& path) const = 0;
    // The gpg.exe that the search path gives; empty for none.
    virtual std::string OnSearchPath() const = 0;
};

// The gpg.exe to run: the configured path when there is one (even if it is missing, so that
// the user hears about that path); else gpg.exe in the "bin" folder or the top of the first
// registered folder that has it; else the one on the search path; empty when there is none.
std::string FindGpg(const std::string& configured, const IGpgInstallations& installations);

}  // namespace gpgtray
