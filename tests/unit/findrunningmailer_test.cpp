#include "mailers/FindRunningMailer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

namespace {

constexpr const char* kDrivers = "C:\\Drivers";
const std::string kGap(200, ' ');
const std::string kExchange = "C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp";

// Drivers that describe their mailers as the test says; the mailers' windows are top-level
// windows of the fake window list, below the program's main window.
class FindRunningMailerTest : public FakeOs {
protected:
    FindRunningMailerTest() {
        Mailers().directory = kDrivers;
        windows.Add(kMain, 0, "Tervane 5", "TfrmProps");
        ui.mainWindow = kMain;
        processes.onRun = [this](const std::string& command) { Reply(command); };
    }

    static constexpr WindowId kMain = 1;

    // A driver installed in the directory and made Active, answering with that description.
    void Driver(const std::string& file, const std::string& information,
                const std::string& shortText) {
        files.Put(std::string(kDrivers) + "\\" + file, "");
        Mailers().activeDrivers.push_back(file);
        replies[file] = "Information: " + information + "\r\nShort: " + shortText + "\r\n\r\n";
    }

    void Reply(const std::string& command) {
        ++calls;
        EXPECT_FALSE(files.Exists(kExchange)) << "a stale reply is still there: " << command;
        for (const auto& [file, reply] : replies) {
            if (command.find(file + " Data File=" + kExchange) != std::string::npos) {
                files.Put(kExchange, reply);
            }
        }
    }

    std::map<std::string, std::string> replies;
    int calls = 0;
};

TEST_F(FindRunningMailerTest, WithoutActiveMailersNoDriverIsAskedAndTheUserIsTold) {
    user.answers = {mrAbort};
    EXPECT_TRUE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    EXPECT_EQ(calls, 0);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "No mailers in the Tervane 5 \"Active\" list are running. Press the Help button for "
              "tips on how to resolve this");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(user.shown[0].buttons,
              (MsgDlgButtons{MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Help}));
    EXPECT_EQ(user.shown[0].helpContext, 9003);
}

TEST_F(FindRunningMailerTest, OneRunningMailerIsTakenWithoutAQuestion) {
    Driver("a.exe", "Mailer A", "Mail A");
    Driver("b.mfs", "Mailer B", "Mail B");
    windows.Add(20, 0, "Inbox - Mail B - Compose", "BMain");
    EXPECT_FALSE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    EXPECT_EQ(Mailers().currentDriver, "b.mfs");
    EXPECT_EQ(calls, 2);
    EXPECT_THAT(mailerWindows.shown, IsEmpty());
    EXPECT_FALSE(files.Exists(kExchange));
}

TEST_F(FindRunningMailerTest, SeveralRunningMailersAreOfferedAndTheChoiceIsRemembered) {
    Driver("a.exe", "Mailer A", "Mail A");
    Driver("b.mfs", "Mailer B", ">None<");
    Driver("c.exe", "Mailer C", "Mail C");
    windows.Add(20, 0, "Mail A - Read", "AMain");
    windows.Add(30, 0, "Mail C", "CMain");
    mailerWindows.answers = {{2, true}, {std::nullopt, true}};
    const auto chooser = mailerWindows.CreateChooser();

    EXPECT_FALSE(FindRunningMailer(*chooser, nullptr));
    ASSERT_EQ(mailerWindows.shown.size(), 1u);
    EXPECT_THAT(mailerWindows.shown[0].rows,
                ElementsAre("Mailer A / Mail A - Read" + kGap + "a.exe",
                            "Mailer B / " + kGap + "b.mfs", "Mailer C / Mail C" + kGap + "c.exe"));
    EXPECT_EQ(mailerWindows.shown[0].selected, 0);
    EXPECT_EQ(Mailers().currentDriver, "c.exe");

    // The next run opens on the row chosen before; rows are never kept from the last run.
    EXPECT_FALSE(FindRunningMailer(*chooser, nullptr));
    ASSERT_EQ(mailerWindows.shown.size(), 2u);
    EXPECT_EQ(mailerWindows.shown[1].rows.size(), 3u);
    EXPECT_EQ(mailerWindows.shown[1].selected, 2);
    EXPECT_EQ(Mailers().currentDriver, "c.exe");
}

TEST_F(FindRunningMailerTest, ARememberedRowBeyondTheListOpensOnTheFirstAndCancelStopsTheRun) {
    Driver("a.exe", "Mailer A", ">None<");
    Driver("b.exe", "Mailer B", ">None<");
    Mailers().chosenRow = 3;
    mailerWindows.answers = {{std::nullopt, false}};
    EXPECT_TRUE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    ASSERT_EQ(mailerWindows.shown.size(), 1u);
    EXPECT_EQ(mailerWindows.shown[0].selected, 0);
    EXPECT_THAT(user.shown, IsEmpty());
    // Abandoned, the current driver holds the last one asked.
    EXPECT_EQ(Mailers().currentDriver, "b.exe");
}

TEST_F(FindRunningMailerTest, MissingDriversAndMailersWithoutWindowsAreSkipped) {
    Driver("gone.exe", "Gone", ">None<");
    files.Remove(std::string(kDrivers) + "\\gone.exe");
    Driver("quiet.exe", "Quiet", "Quiet Mail");
    Driver("silent.exe", "", "");  // writes no reply at all
    replies.erase("silent.exe");
    // A driver without a reply matches the first window searched, here one without caption.
    windows.Add(20, 0, "", "Captionless");
    windows.zOrder[0] = {20, kMain};
    user.answers = {mrRetry, mrAbort};
    EXPECT_TRUE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    // Retry asks every driver again; the missing one is never started.
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(user.shown.size(), 2u);
}

// A message that a killed run left in the exchange file is wiped before the first driver
// writes its reply, not merely deleted; so is every reply once read.
TEST_F(FindRunningMailerTest, TheExchangeFileIsWipedAroundEachDriverCall) {
    Driver("a.exe", "Mailer A", ">None<");
    files.Put(kExchange, "a message from a run that never ended");
    EXPECT_FALSE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    EXPECT_EQ(files.overwrites.size(), 12u);
    EXPECT_FALSE(files.Exists(kExchange));
}

// The user empties the Active list while a driver runs (messages are processed meanwhile).
TEST_F(FindRunningMailerTest, AnActiveListChangedDuringDetectionDoesNotDisturbIt) {
    Driver("a.exe", "Mailer A", "Mail A");
    Driver("b.mfs", "Mailer B", "Mail B");
    windows.Add(20, 0, "Inbox - Mail B - Compose", "BMain");
    processes.onRun = [this](const std::string& command) {
        Reply(command);
        Mailers().activeDrivers.clear();
    };
    EXPECT_FALSE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    EXPECT_EQ(Mailers().currentDriver, "b.mfs");
    EXPECT_EQ(calls, 2);
}

TEST_F(FindRunningMailerTest, RetryFindsAMailerStartedMeanwhile) {
    Driver("a.exe", "Mailer A", "Mail A");
    user.answers = {mrRetry};
    processes.onRun = [this](const std::string& command) {
        Reply(command);
        if (calls == 2) {
            windows.Add(20, 0, "Mail A", "AMain");
        }
    };
    EXPECT_FALSE(FindRunningMailer(*mailerWindows.CreateChooser(), nullptr));
    EXPECT_EQ(Mailers().currentDriver, "a.exe");
}

TEST_F(FindRunningMailerTest, TheBarMovesFromFiveTowardsTwentyFive) {
    struct Steps {
        int drivers;
        std::vector<int> positions;
    };
    const Steps cases[] = {
        {4, {5, 10, 15, 20}},
        {7, {5, 7, 9, 11, 13, 15, 17}},
        {21, std::vector<int>(21, 5)},
    };
    for (const Steps& c : cases) {
        std::vector<int> positions;
        for (int i = 0; i < c.drivers; ++i) {
            positions.push_back(DetectionPosition(i, c.drivers));
        }
        EXPECT_THAT(positions, ElementsAreArray(c.positions)) << c.drivers;
    }

    Driver("a.exe", "A", ">None<");
    Driver("b.exe", "B", ">None<");
    Driver("c.exe", "C", ">None<");
    Driver("d.exe", "D", ">None<");
    auto progress = ui.ShowRunningWindow(0, 0);
    mailerWindows.answers = {{0, true}};
    EXPECT_FALSE(FindRunningMailer(*mailerWindows.CreateChooser(), progress.get()));
    EXPECT_THAT(ui.positions, ElementsAre(5, 5, 10, 15, 20));
}

}  // namespace
