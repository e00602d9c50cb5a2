#pragma once
// A test fixture that runs portable code on the Win32 platform, with the program directory
// in the test directory. The program state is the test's own (see
// tests/common/FreshProgramState.cpp), so nothing needs putting back.

#include <gtest/gtest.h>

#include "platform/Platform.h"
#include "support/ProgramPaths.h"
#include "win/TestDir.h"
#include "win32/Win32Platform.h"

class OnWin32 : public ::testing::Test {
protected:
    OnWin32() {
        Os() = win32.Services();
        Paths().dir = TestDir::kPath;
    }

    Win32Platform win32;
    TestDir dir;
};
