#include "support/WinExecW.h"

#include <gtest/gtest.h>

#include "fakes/FakeOs.h"

namespace {

class WinExecAndWait : public FakeOs {};

TEST_F(WinExecAndWait, ReturnsTheProgramsExitCode) {
    processes.runResult = {true, 3, 0};
    EXPECT_EQ(WinExecAndWait32("C:\\D\\MAILX.EXE read File=C:\\T\\tmpmfd.tmp", kSwShowNormal,
                               kNormalPriorityClass),
              3);
    ASSERT_EQ(processes.runs.size(), 1u);
    EXPECT_EQ(processes.runs[0].commandLine, "C:\\D\\MAILX.EXE read File=C:\\T\\tmpmfd.tmp");
    EXPECT_EQ(processes.runs[0].showState, 1);
    EXPECT_EQ(processes.runs[0].creationFlags, 0x20u);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(Log(), "");
}

TEST_F(WinExecAndWait, AFailedStartIsShownAndLoggedAndGivesMinusOne) {
    processes.runResult = {false, 0, 2};
    EXPECT_EQ(WinExecAndWait32("C:\\D\\NONE.EXE Data File=x", 1, 0x20), -1);
    const std::string text = "WinExecAndWait32 error 2 C:\\D\\NONE.EXE Data File=x";
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, text);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(user.shown[0].buttons, MsgDlgButtons{MsgDlgBtn::OK});
    EXPECT_EQ(user.shown[0].helpContext, 0);
    EXPECT_EQ(Log(), "06/12/98 14:03:22: " + text + "\r\n");
}

// 255 characters fit the start buffer; one more is refused rather than cut.
TEST_F(WinExecAndWait, ACommandLineLongerThanTheBufferIsRefusedWhole) {
    const std::string fits = "C:\\D\\MAILX.EXE " + std::string(255 - 15, 'x');
    const std::string tooLong = fits + "y";
    ASSERT_EQ(fits.size(), 255u);
    EXPECT_EQ(WinExecAndWait32(fits, 1, 0x20), 0);
    EXPECT_EQ(WinExecAndWait32(tooLong, 1, 0x20), -1);
    ASSERT_EQ(processes.runs.size(), 1u);
    EXPECT_EQ(processes.runs[0].commandLine, fits);
    const std::string text =
        "WinExecAndWait32 error: command line longer than 255 characters " + tooLong;
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, text);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(Log(), "06/12/98 14:03:22: " + text + "\r\n");
}

}  // namespace
