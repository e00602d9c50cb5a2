#pragma once
// A test fixture that runs portable code on the Win32 platform, with the program directory
// in the test directory; everything it changes is put back afterwards.

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/ProgramPaths.h"
#include "support/error.h"
#include "win/TestDir.h"
#include "win32/Win32Platform.h"

class OnWin32 : public ::testing::Test {
protected:
    OnWin32() : savedOs_(Os()), savedPaths_(Paths()), savedCheckpoint_(Checkpoint) {
        InstallWin32Platform();
        Paths().dir = TestDir::kPath;
    }
    ~OnWin32() override {
        Os() = savedOs_;
        Paths() = savedPaths_;
        Checkpoint = savedCheckpoint_;
    }

    TestDir dir;

private:
    Platform savedOs_;
    ProgramPaths savedPaths_;
    int savedCheckpoint_;
};
