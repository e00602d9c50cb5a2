#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes/FakeOs.h"
#include "support/deblog.h"
#include "support/error.h"

namespace {

class ErrorReport : public FakeOs {
protected:
    const std::string flag = std::string(kDir) + "Running.Flg";
};

TEST_F(ErrorReport, TextCarriesPlaceCheckpointAndDetailAndIsLogged) {
    struct Case {
        int checkpoint;
        const char* detail;
        const char* expected;
    } cases[] = {{0, "x", "Error in P.0 with x"},
                 {-12, "x", "Error in P.-12 with x"},
                 {5506, "", "Error in P.5506 with "}};
    std::string log;
    for (const Case& c : cases) {
        Checkpoint() = c.checkpoint;
        EXPECT_EQ(ErrorText("P", c.detail), c.expected);
        log += std::string("06/12/98 14:03:22: ") + c.expected + "\r\n";
    }
    EXPECT_EQ(Log(), log);
}

TEST_F(ErrorReport, AWarningIsShownOnceAndTheProgramGoesOn) {
    Checkpoint() = 5700;
    ReportError("Message", "PGP failed to encrypt!!!");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_EQ(user.shown[0].caption, "Warning");
    EXPECT_EQ(user.shown[0].text, "Error in Message.5700 with PGP failed to encrypt!!!");
    EXPECT_EQ(application.terminateRequests, 0);
}

TEST_F(ErrorReport, AFatalErrorRemovesTheRunningFlagAndEndsTheProgram) {
    for (bool flagPresent : {true, false}) {
        if (flagPresent) {
            files.Put(flag, "");
        }
        user.shown.clear();
        ReportFatalError("Winexec returned 2", "C:\\PGP\\PGPtray.exe");
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
        EXPECT_EQ(user.shown[0].text, "Error in Winexec returned 2.0 with C:\\PGP\\PGPtray.exe");
        EXPECT_FALSE(files.Exists(flag));
        EXPECT_EQ(files.calls.back(), "Remove " + flag);
    }
    EXPECT_EQ(application.terminateRequests, 2);
}

TEST_F(ErrorReport, ABrokenLogDoesNotHideTheReport) {
    files.FailOpen(DebugLogPath(), 32);
    ReportError("P", "D");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error in P.0 with D");
}

TEST_F(ErrorReport, UncaughtExceptionsBecomeWarningsNamedAfterTheSender) {
    RunGuarded("TTimer", [] { throw std::runtime_error("List index out of bounds"); });
    RunGuarded("TButton", [] { throw 42; });
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_EQ(user.shown[0].text, "Error in TTimer.0 with UH List index out of bounds");
    EXPECT_EQ(user.shown[1].text, "Error in TButton.0 with UH Unknown exception");
}

}  // namespace
