#include "fakes/FakeOs.h"

#include "core/CoreState.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"

// The test's program state is fresh (see tests/common/FreshProgramState.cpp): only the
// fakes and the paths go in.
FakeOs::FakeOs() {
    Os() = Platform{&files,    &clock,         &user,      &application, &system,
                    &windows,  &clipboard,     &processes, &ui,          &versionInfo,
                    &profiles, &mailerWindows, &tipWindow};
    Core().collaborators = RunContext{&properties, &mailers};
    Paths() = ProgramPaths{kDir, "C:\\PROGRA~1\\TERVAN~1\\", "C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp"};
}

void FakeOs::TearDown() {
    EXPECT_EQ(windows.windowZeroQuestions, 0) << "the program asked about window 0";
}

std::string FakeOs::Log() {
    const std::string path = DebugLogPath();
    return files.Exists(path) ? files.Content(path) : std::string();
}
