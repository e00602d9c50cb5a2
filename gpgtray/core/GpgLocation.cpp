#include "GpgLocation.h"

namespace gpgtray {

std::string FindGpg(const std::string& configured, const IGpgInstallations& installations) {
    if (!configured.empty()) {
        return configured;
    }
    for (std::string folder : installations.RegisteredFolders()) {
        if (!folder.empty() && folder.back() != '\\') {
            folder += '\\';
        }
        // GnuPG 2 puts its programs in "bin"; older installers put them at the top.
        for (const char* place : {"bin\\gpg.exe", "gpg.exe"}) {
            if (installations.FileExists(folder + place)) {
                return folder + place;
            }
        }
    }
    return installations.OnSearchPath();
}

}  // namespace gpgtray
