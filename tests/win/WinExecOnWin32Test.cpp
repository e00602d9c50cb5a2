// Starting a program and waiting for it, through the Win32 platform.

#include <gtest/gtest.h>

#include "platform/Processes.h"
#include "support/WinExecW.h"
#include "support/deblog.h"
#include "win/BuildTree.h"
#include "win/MessageBoxAnswerer.h"
#include "win/OnWin32.h"

namespace {

class WinExecAndWait32OnWin32 : public OnWin32 {};

TEST_F(WinExecAndWait32OnWin32, ReturnsTheExitCodeOfTheProgram) {
    EXPECT_EQ(WinExecAndWait32(ExitWithExe() + " 3", kSwShowNormal, kNormalPriorityClass), 3);
}

TEST_F(WinExecAndWait32OnWin32, AMissingProgramIsShownAndLoggedWithTheSystemsReason) {
    const std::string command = "C:\\NoSuchProgram.exe read File=C:\\tmpmfd.tmp";
    const std::string expected = "WinExecAndWait32 error 2 " + command;
    MessageBoxAnswerer answerer;
    EXPECT_EQ(WinExecAndWait32(command, kSwShowNormal, kNormalPriorityClass), -1);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message was shown";
    EXPECT_EQ(seen->caption, "Error");
    EXPECT_EQ(seen->text, expected);
    const std::string log = FileContent(DebugLogPath());
    EXPECT_NE(log.find(": " + expected + "\r\n"), std::string::npos) << log;
}

}  // namespace
