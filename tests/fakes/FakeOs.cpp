#include "fakes/FakeOs.h"

#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"

FakeOs::FakeOs() : saved_(Os()) {
    Os() = Platform{&files, &clock, &user, &application, &system, &windows};
    Paths() = ProgramPaths{kDir, "C:\\PROGRA~1\\TERVAN~1\\", "C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp"};
    Checkpoint = 0;
}

FakeOs::~FakeOs() { Os() = saved_; }

std::string FakeOs::Log() {
    const std::string path = DebugLogPath();
    return files.Exists(path) ? files.Content(path) : std::string();
}
