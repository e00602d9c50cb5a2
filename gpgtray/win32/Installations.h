#pragma once
// The installations of GnuPG on this system: the folders its Windows installers register,
// and the search path.

#include "gpgtray/core/GpgLocation.h"

namespace gpgtray {

class Installations : public IGpgInstallations {
public:
    std::vector<std::string> RegisteredFolders() const override;
    bool FileExists(const std::string& path) const override;
    std::string OnSearchPath() const override;
};

}  // namespace gpgtray
