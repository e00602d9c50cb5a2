#include "core/PGPInvoke.h"

#include <gtest/gtest.h>

#include "core/CoreState.h"
#include "fakes/FakeOs.h"
#include "support/error.h"
#include "support/verslab.h"

namespace {

constexpr WindowId kTray = 40;
const std::string kMessage =
    "-----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n-----END PGP MESSAGE-----\r\n";
const char kLongPath[] = "C:\\Program Files\\PGP\\PGPtray.exe";
const char kShortPath[] = "C:\\PROGRA~1\\PGP\\PGPTRAY.EXE";

class InvokePGPTest : public FakeOs {
protected:
    InvokePGPTest() {
        Core().PGPBusyHwnd = 0;
        Core().PGPMainProgramPath = kLongPath;
        system.shortPaths[kLongPath] = kShortPath;
        windows.onCommand[kTray] = [this](unsigned) {
            busyDuringSend.push_back(Core().PGPBusyHwnd);
        };
    }
    ~InvokePGPTest() override { Core().PGPMainProgramPath.clear(); }

    void TrayRunning() { windows.byClass[kPGPtrayClass] = kTray; }

    std::vector<WindowId> busyDuringSend;
};

TEST(PGPCommandId, MapsTheTableAndSendsTheDefaultForAnythingElse) {
    const struct {
        const char* command;
        unsigned id;
    } cases[] = {
        {"-AutoEncrypt", 40017},     {"-AutoSign", 40018},
        {"-AutoEncryptSign", 40007}, {"-AutoDecryptVerify", 40008},
        {"-AddKey", 40006},          {"-Properties", 40012},
        {"-Tools", 40019},           {"", 40016},
        {"-autosign", 40016},        {"-AutoSign ", 40016},
        {"AutoSign", 40016},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PGPCommandId(c.command), c.id) << '"' << c.command << '"';
    }
}

TEST_F(InvokePGPTest, ARunningTrayGetsTheCommandAtOnceWhileMarkedBusy) {
    TrayRunning();
    EXPECT_TRUE(InvokePGP("-AutoSign"));
    EXPECT_TRUE(processes.winExecs.empty());
    EXPECT_EQ(windows.calls,
              (std::vector<std::string>{"SetForeground 40", "SendCommand 40 40018"}));
    EXPECT_EQ(busyDuringSend, std::vector<WindowId>{kTray});
    EXPECT_EQ(Core().PGPBusyHwnd, 0u);
}

TEST_F(InvokePGPTest, AnAbsentTrayIsStartedFromTheShortPathAndWaitedFor) {
    ui.onProcessMessages = [this] {
        clock.Advance(1000);
        if (ui.processed == 3) {
            TrayRunning();
        }
    };
    EXPECT_TRUE(InvokePGP("-AddKey"));
    EXPECT_EQ(processes.winExecs, std::vector<std::string>{kShortPath});
    EXPECT_EQ(ui.processed, 3);
    EXPECT_EQ(windows.calls.back(), "SendCommand 40 40006");
    EXPECT_TRUE(user.shown.empty());
}

// Without its quotes the path would start a planted "C:\Missing.exe".
TEST_F(InvokePGPTest, APathWithoutShortFormIsStartedQuoted) {
    Core().PGPMainProgramPath = "C:\\Missing Dir\\PGPtray.exe";
    processes.winExecResult = 3;
    EXPECT_FALSE(InvokePGP("-AutoSign"));
    EXPECT_EQ(processes.winExecs, std::vector<std::string>{"\"C:\\Missing Dir\\PGPtray.exe\""});
}

TEST_F(InvokePGPTest, AFailedStartIsFatalAndNotReportedTwice) {
    Checkpoint() = 5510;
    processes.winExecResult = 2;
    EXPECT_FALSE(InvokePGP("-AutoEncrypt"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "Error in Winexec returned 2.5510 with C:\\Program Files\\PGP\\PGPtray.exe");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(application.terminateRequests, 1);
    EXPECT_EQ(ui.processed, 0);
    EXPECT_TRUE(windows.calls.empty());

    EXPECT_FALSE(InvokePGP("-AutoEncrypt"));
    EXPECT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(processes.winExecs.size(), 1u);
}

TEST_F(InvokePGPTest, ATrayThatDoesNotShowWithinTenSecondsIsFatal) {
    ui.onProcessMessages = [this] { clock.Advance(1000); };
    processes.winExecResult = 42;
    EXPECT_FALSE(InvokePGP("-AutoSign"));
    // The limit is a fraction of a day a little short of 10 s: 9 s are within it, 10 s not.
    EXPECT_EQ(ui.processed, 10);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "Error in MainPGPHwnd timed out 42.0 with C:\\Program Files\\PGP\\PGPtray.exe");
    EXPECT_EQ(application.terminateRequests, 1);
    EXPECT_TRUE(windows.calls.empty());
}

// The wait is measured on the steady clock: the local time set back an hour neither
// stretches it, and it waits for messages rather than spinning.
TEST_F(InvokePGPTest, TheWaitForTheTrayFollowsTheSteadyClock) {
    ui.onProcessMessages = [this] {
        clock.Advance(1000);
        clock.time.hour -= 1;
    };
    processes.winExecResult = 42;
    EXPECT_FALSE(InvokePGP("-AutoSign"));
    EXPECT_EQ(ui.processed, 10);
    EXPECT_EQ(ui.waits, std::vector<int>(10, 50));
}

// A dialog of ours open through the whole wait: the tray program came meanwhile.
TEST_F(InvokePGPTest, ATrayThatCameDuringTheLastWaitIsTaken) {
    ui.onProcessMessages = [this] {
        clock.Advance(1000);
        if (ui.processed == 10) {
            TrayRunning();
        }
    };
    processes.winExecResult = 42;
    EXPECT_TRUE(InvokePGP("-AutoSign"));
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(windows.calls.back(), "SendCommand 40 40018");
}

TEST_F(InvokePGPTest, AnEncryptingCommandMustLeaveAnEncryptedMessage) {
    const struct {
        const char* command;
        std::string before;
        std::string after;  // what PGP leaves on the clipboard
        bool result;
    } cases[] = {
        {"-AutoEncrypt", "Hi", kMessage, true},       {"-AutoEncryptSign", "Hi", kMessage, true},
        {"-AutoEncrypt", "Hi", "Hi", false},          {"-AutoEncryptSign", "Hi", "", false},
        {"-AutoEncrypt", kMessage, kMessage, true},   {"-AutoSign", "Hi", "Hi", true},
        {"-AutoDecryptVerify", kMessage, "Hi", true}, {"-AddKey", "Hi", "Hi", true},
    };
    TrayRunning();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        user.shown.clear();
        clipboard.text = c.before;
        windows.onCommand[kTray] = [&](unsigned) { clipboard.text = c.after; };
        EXPECT_EQ(InvokePGP(c.command), c.result);
        if (c.result) {
            EXPECT_TRUE(user.shown.empty());
        } else {
            ASSERT_EQ(user.shown.size(), 1u);
            EXPECT_EQ(user.shown[0].text, "Error in Message.0 with PGP failed to encrypt!!!");
            EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
        }
    }
    EXPECT_EQ(application.terminateRequests, 0);
}

TEST_F(InvokePGPTest, TheIdentityIsReadThroughTheLabel) {
    const std::string query = "\\StringFileInfo\\040904b0\\";
    versionInfo.Put(kLongPath, query + "FileVersion", "5.0.2");
    versionInfo.Put(kLongPath, query + "ProductName", "PGP for Personal Privacy");
    versionInfo.Put("", "\\StringFileInfo\\080904E4\\FileVersion", "5.0.0.0");
    TVersionLabel label;

    ReadPGPIdentity(label);
    EXPECT_EQ(Core().PGPFileVersion, " 5.0.2");
    EXPECT_EQ(Core().PGPProductName, " PGP for Personal Privacy");
    EXPECT_EQ(label.VersionResourceKey(), "FileVersion");
    EXPECT_EQ(label.InfoPrefix(), "FileVersion");
    EXPECT_EQ(label.Caption(), "FileVersion 5.0.0.0");

    Core().PGPMainProgramPath = "C:\\nowhere\\PGPtray.exe";
    ReadPGPIdentity(label);
    EXPECT_EQ(Core().PGPFileVersion, " < No Data Available >");
    EXPECT_EQ(Core().PGPProductName, " < No Data Available >");
}

TEST_F(InvokePGPTest, AnEmptyPathReadsTheOwnProgramsIdentity) {
    versionInfo.Put("", "\\StringFileInfo\\040904b0\\FileVersion", "5.0.0.0");
    versionInfo.Put("", "\\StringFileInfo\\040904b0\\ProductName", "Tervane 5");
    Core().PGPMainProgramPath.clear();
    TVersionLabel label;
    ReadPGPIdentity(label);
    EXPECT_EQ(Core().PGPFileVersion, " 5.0.0.0");
    EXPECT_EQ(Core().PGPProductName, " Tervane 5");
}

}  // namespace
