#pragma once
// Installs a complete set of fakes as the program's platform for the lifetime of a test,
// with the program directory "C:\Program Files\Tervane 5\" and Checkpoint 0.

#include <gtest/gtest.h>

#include "fakes/FakeFiles.h"
#include "fakes/FakeSystem.h"
#include "platform/Platform.h"

class FakeOs : public ::testing::Test {
protected:
    FakeOs();
    ~FakeOs() override;

    static constexpr const char* kDir = "C:\\Program Files\\Tervane 5\\";

    // The text of the debug log, or "" when there is none.
    std::string Log();

    FakeFiles files;
    FixedClock clock;
    ScriptedUser user;
    FakeApplication application;
    FakeSystem system;
    FakeWindows windows;

private:
    Platform saved_;
};
