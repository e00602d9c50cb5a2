#pragma once
// A fresh program state with in-memory files, settings and system for one fuzz input, the
// program directory "C:\T5\" and the drivers directory "C:\Mail Drivers".

#include "app/ProgramState.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeProfiles.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeSystem.h"

struct FuzzPlatform {
    FuzzPlatform();

    static constexpr const char* kDir = "C:\\T5\\";
    static constexpr const char* kDrivers = "C:\\Mail Drivers";

    ProgramState state;
    InstalledProgramState installed{state};
    FakeFiles files;
    FixedClock clock;
    FakeSystem system;
    FakeVersionInfo versionInfo;
    FakeProfiles profiles;
};
