#pragma once
// Installs a complete set of fakes as the program's platform and as a run's collaborators
// in the test's fresh program state, with the program directory
// "C:\Program Files\Tervane 5\".

#include <gtest/gtest.h>

#include "core/RunContext.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeMailerWindows.h"
#include "fakes/FakeProfiles.h"
#include "fakes/FakeRun.h"
#include "fakes/FakeServices.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeTipWindow.h"
#include "fakes/FakeUserInterface.h"
#include "platform/Platform.h"

class FakeOs : public ::testing::Test {
protected:
    FakeOs();
    // The system answers questions about window 0 with another window's texts: the program
    // must never ask one, and no test passes that made it ask.
    void TearDown() override;

    static constexpr const char* kDir = "C:\\Program Files\\Tervane 5\\";

    // The text of the debug log, or "" when there is none.
    std::string Log();

    FakeFiles files;
    FixedClock clock;
    ScriptedUser user;
    FakeApplication application;
    FakeSystem system;
    FakeWindows windows;
    FakeClipboard clipboard;
    FakeProcesses processes;
    FakeUserInterface ui;
    FakeVersionInfo versionInfo;
    FakeProfiles profiles;
    FakeMailerWindows mailerWindows;
    FakeTipWindow tipWindow;
    FakeRunProperties properties;
    FakeRunMailers mailers;
};
