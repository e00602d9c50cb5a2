#include "shell/TrayDuties.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/MFDData.h"
#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/ShellState.h"
#include "support/ProgramPaths.h"
#include "support/error.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

std::size_t Count(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
        ++n;
    }
    return n;
}

class TrayDutiesTest : public FakeOs {};

// A run that the mailer side ends at once: the driver's read leaves no exchange file, and the
// user confirms the notice that nothing was read.
using TrayRunTest = TrayDutiesTest;

TEST_F(TrayRunTest, AClickStartsOneRoutineRunAndReleasesTheGuard) {
    mailers.onCallDriver = [this](const std::string&) {
        EXPECT_TRUE(Shell().trayRunning);
        EXPECT_THAT(Log(), HasSubstr(": MainPGP-T\r\n"));
    };
    TaskIcon1Click();
    EXPECT_THAT(mailers.requests, ElementsAre("read File=" + Paths().exchangeFile));
    EXPECT_EQ(Count(Log(), "MainPGP-T"), 1u);
    EXPECT_TRUE(Log().ends_with(": MainPGP-End\r\n")) << Log();
    EXPECT_FALSE(Shell().trayRunning);
}

// A double click on the icon: the second release arrives while the first run waits for the
// driver, and never reaches the processing routine (which would refuse it with a log line).
TEST_F(TrayRunTest, AClickDuringARunIsIgnored) {
    mailers.onCallDriver = [](const std::string&) { TaskIcon1Click(); };
    TaskIcon1Click();
    EXPECT_EQ(mailers.requests.size(), 1u);
    EXPECT_EQ(Count(Log(), "MainPGP-T"), 1u);
    EXPECT_THAT(Log(), Not(HasSubstr("MainPGP ignored")));
    EXPECT_FALSE(Shell().trayRunning);
}

TEST_F(TrayRunTest, AFailedRunPassesItsErrorOnAndDoesNotBlockLaterClicks) {
    mailers.onCallDriver = [](const std::string&) { throw std::runtime_error("Access violation"); };
    EXPECT_THROW(TaskIcon1Click(), std::runtime_error);
    EXPECT_FALSE(Shell().trayRunning);

    mailers.onCallDriver = nullptr;
    TaskIcon1Click();
    EXPECT_EQ(mailers.requests.size(), 2u);
    EXPECT_EQ(Count(Log(), "MainPGP-T"), 2u);
}

class TimerTest : public TrayDutiesTest {
protected:
    void Tick() {
        Timer1Timer([this] { ++tips; });
    }
    void TickDay() {
        for (int i = 0; i < kTicksPerDay; ++i) {
            Tick();
        }
    }

    int tips = 0;
};

TEST_F(TimerTest, TheInstallerFlagEndsTheProgramAndTheTickStillCounts) {
    const std::string flag = std::string(kDir) + "Installer.Flg";
    Tick();
    EXPECT_EQ(application.terminateRequests, 0);

    files.Put(flag, "");
    Tick();
    EXPECT_FALSE(files.Exists(flag));
    EXPECT_EQ(application.terminateRequests, 1);
    EXPECT_EQ(Shell().tickCount, 2);
}

struct DailyCase {
    const char* name;
    bool tipsEnabled;
    bool silentStart;
    int tipsShown;
};

class DailyDutyTest : public TimerTest, public ::testing::WithParamInterface<DailyCase> {};

TEST_P(DailyDutyTest, RunsOnTheTickAfterADayAndStartsCountingAgain) {
    Shell().tips.enabled = GetParam().tipsEnabled;
    Shell().silentStart = GetParam().silentStart;
    TickDay();
    EXPECT_EQ(Shell().tickCount, kTicksPerDay);
    EXPECT_THAT(Log(), Not(HasSubstr("Log trimmed")));
    EXPECT_EQ(tips, 0);

    Tick();
    EXPECT_EQ(Shell().tickCount, 0);
    EXPECT_EQ(Count(Log(), "Log trimmed"), 1u);
    EXPECT_EQ(tips, GetParam().tipsShown);

    TickDay();
    EXPECT_EQ(Count(Log(), "Log trimmed"), 1u);
    EXPECT_EQ(tips, GetParam().tipsShown);
}

INSTANTIATE_TEST_SUITE_P(Tips, DailyDutyTest,
                         ::testing::Values(DailyCase{"Enabled", true, false, 1},
                                           DailyCase{"EnabledAfterSilentStart", true, true, 1},
                                           DailyCase{"Disabled", false, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// The current driver is a program in the drivers directory; what it finds when it runs is
// kept for the test.
class ReceiverTest : public TrayDutiesTest {
protected:
    ReceiverTest() {
        Mailers().directory = "C:\\Mail Drivers";
        Mailers().currentDriver = "DEMOMAIL.EXE";
        system.shortPaths["C:\\Mail Drivers"] = "C:\\MAILDR~1";
        clipboard.text = kResult;
        ui.onProcessMessages = [this] { checkpoints.push_back(Checkpoint()); };
        processes.onRun = [this](const std::string&) {
            checkpoints.push_back(Checkpoint());
            clipboardAtDriver = clipboard.text;
            exchangeAtDriver = files.Content(Paths().exchangeFile);
        };
    }

    static constexpr const char* kResult =
        "-----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n-----END PGP MESSAGE-----\r\n";

    std::vector<int> checkpoints;  // at each processing of messages and at the driver's run
    std::string clipboardAtDriver;
    std::string exchangeAtDriver;
};

TEST_F(ReceiverTest, AnEmptyTextStopsAtOnce) {
    Checkpoint() = 5599;
    ClipboardReceiverChanged("");
    EXPECT_EQ(Checkpoint(), 5700);
    EXPECT_THAT(files.calls, IsEmpty());
    EXPECT_THAT(processes.runs, IsEmpty());
    EXPECT_EQ(clipboard.text, kResult);
    EXPECT_THAT(ui.hourglass, IsEmpty());
}

// The receiver sees a change only in a text unlike the one it holds; the run empties it
// with "" before it sets PGP's result, so the same result twice in two runs is two changes.
TEST_F(ReceiverTest, OnlyADifferentTextIsAChange) {
    SetClipboardReceiverText(kResult);
    SetClipboardReceiverText(kResult);
    EXPECT_EQ(processes.runs.size(), 1u);
    SetClipboardReceiverText("");
    SetClipboardReceiverText(kResult);
    EXPECT_EQ(processes.runs.size(), 2u);
}

TEST_F(ReceiverTest, TheResultGoesToTheDriverAsTheBodyAloneAndLeavesTheClipboardEmpty) {
    files.Put(Paths().exchangeFile, "To=old@x\r\nSubject=stale\r\n");
    ClipboardReceiverChanged(kResult);

    ASSERT_EQ(processes.runs.size(), 1u);
    EXPECT_EQ(processes.runs[0].commandLine,
              "C:\\MAILDR~1\\DEMOMAIL.EXE Write File=C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp");
    TMFDData expected;
    expected.Body = kResult;
    expected.HasBody = true;
    TMFDData written;
    ParseMFDText(exchangeAtDriver, written);
    EXPECT_EQ(written, expected) << exchangeAtDriver;
    EXPECT_EQ(clipboardAtDriver, "");
    EXPECT_EQ(clipboard.text, "");
}

TEST_F(ReceiverTest, PassesItsCheckpointsInOrderAndRestoresTheCursor) {
    ClipboardReceiverChanged(kResult);
    // Messages after the write, before and after the driver's run, and once more at the end.
    EXPECT_THAT(checkpoints, ElementsAre(5703, 5704, 5704, 5704, 5705));
    EXPECT_EQ(Checkpoint(), 5707);
    EXPECT_THAT(ui.hourglass, ElementsAre(false));
}

// A disk that is full or refuses the file: the driver would put an empty body into the
// mail, so it is not called; the result stays on the clipboard and the user is told so.
TEST_F(ReceiverTest, AFailedWriteKeepsTheResultOnTheClipboardAndCallsNoDriver) {
    files.FailWrite(Paths().exchangeFile, kErrorDiskFull);
    processes.onRun = nullptr;
    ClipboardReceiverChanged(kResult);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_THAT(user.shown[0].text, HasSubstr("WriteFileString:" + Paths().exchangeFile));
    EXPECT_EQ(user.shown[1].text, kResultLeftOnClipboard);
    EXPECT_EQ(user.shown[1].kind, MsgDlgType::Warning);
    EXPECT_THAT(processes.runs, IsEmpty());
    EXPECT_EQ(clipboard.text, kResult);
    EXPECT_FALSE(files.Exists(Paths().exchangeFile));
    EXPECT_THAT(ui.hourglass, ElementsAre(false));
}

TEST_F(ReceiverTest, TheResultWrittenForTheDriverIsWipedOnceItHasTakenIt) {
    ClipboardReceiverChanged(kResult);
    EXPECT_NE(exchangeAtDriver.find(kResult), std::string::npos);
    EXPECT_FALSE(files.Exists(Paths().exchangeFile));
    EXPECT_FALSE(files.overwrites.empty());
}

}  // namespace
