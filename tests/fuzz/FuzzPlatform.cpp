#include "FuzzPlatform.h"

FuzzPlatform::FuzzPlatform() {
    Os().files = &files;
    Os().clock = &clock;
    Os().system = &system;
    Os().versionInfo = &versionInfo;
    Os().profiles = &profiles;
    Paths() = ProgramPaths{kDir, kDir, std::string(kDir) + "tmpmfd.tmp"};
    profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", kDrivers);
}
