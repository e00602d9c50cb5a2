#include "win32/Win32Processes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win/BuildTree.h"

namespace {

class RunAndWaitExitCodes : public ::testing::TestWithParam<unsigned> {};

TEST_P(RunAndWaitExitCodes, GivesTheProgramsExitCode) {
    const ProcessRun run = Win32Processes().RunAndWait(
        ExitWithExe() + " " + std::to_string(GetParam()), SW_SHOWNORMAL, NORMAL_PRIORITY_CLASS);
    EXPECT_TRUE(run.started);
    EXPECT_EQ(run.exitCode, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Codes, RunAndWaitExitCodes, ::testing::Values(0u, 3u, 4242u));

TEST(RunAndWait, AMissingProgramIsNotStartedAndGivesTheSystemsReason) {
    const ProcessRun run = Win32Processes().RunAndWait("C:\\NoSuchProgram.exe read File=x",
                                                       SW_SHOWNORMAL, NORMAL_PRIORITY_CLASS);
    EXPECT_FALSE(run.started);
    EXPECT_EQ(run.systemError, static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
}

// The number of this process's open kernel handles, counted by probing the handle values
// (the system's own count is not kept under Wine).
int OpenHandleCount() {
    int count = 0;
    for (std::uintptr_t value = 4; value < 0x4000; value += 4) {
        DWORD flags = 0;
        count += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) ? 1 : 0;
    }
    return count;
}

// Each run's process and thread handles are closed: many runs leave the count unchanged.
TEST(RunAndWait, LeavesNoHandleOpen) {
    Win32Processes processes;
    // The first start may open lasting handles of the system's own.
    ASSERT_TRUE(processes.RunAndWait(ExitWithExe() + " 1", SW_HIDE, 0).started);
    const int before = OpenHandleCount();
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(processes.RunAndWait(ExitWithExe() + " 1", SW_HIDE, 0).started);
    }
    EXPECT_EQ(OpenHandleCount(), before);
}

TEST(WinExec, StartsAProgramWithoutWaitingAndReportsAMissingOne) {
    Win32Processes processes;
    EXPECT_GE(processes.WinExec(ExitWithExe() + " 0", SW_HIDE), 32u);
    EXPECT_EQ(processes.WinExec("C:\\NoSuchProgram.exe", SW_SHOWNORMAL),
              static_cast<unsigned>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
