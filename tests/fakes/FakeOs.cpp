#include "fakes/FakeOs.h"

#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"

FakeOs::FakeOs() : saved_(Os()), savedRun_(Collaborators()) {
    Os() = Platform{&files,    &clock,         &user,      &application, &system,
                    &windows,  &clipboard,     &processes, &ui,          &versionInfo,
                    &profiles, &mailerWindows, &tipWindow};
    Collaborators() = RunContext{&properties, &mailers};
    Paths() = ProgramPaths{kDir, "C:\\PROGRA~1\\TERVAN~1\\", "C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp"};
    Checkpoint = 0;
}

FakeOs::~FakeOs() {
    Os() = saved_;
    Collaborators() = savedRun_;
}

std::string FakeOs::Log() {
    const std::string path = DebugLogPath();
    return files.Exists(path) ? files.Content(path) : std::string();
}
