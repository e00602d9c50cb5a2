#include "core/PGPMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "core/CoreState.h"
#include "core/MFDData.h"
#include "core/PGPInvoke.h"
#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/TrayDuties.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"

namespace {

constexpr WindowId kTray = 40;

const std::string kMessage =
    "-----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n-----END PGP MESSAGE-----\r\n";
const std::string kSigned =
    "-----BEGIN PGP SIGNED MESSAGE-----\r\n\r\nHi\r\n-----BEGIN PGP SIGNATURE-----\r\n"
    "iQA\r\n-----END PGP SIGNATURE-----\r\n";
const std::string kKey =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n\r\nmQINBF\r\n-----END PGP PUBLIC KEY BLOCK-----\r\n";
const std::string kSignedKey =
    "-----BEGIN PGP SIGNED MESSAGE-----\r\n\r\n" + kKey +
    "-----BEGIN PGP SIGNATURE-----\r\niQA\r\n-----END PGP SIGNATURE-----\r\n";
const std::string kPlain = "Dear all,\r\nsee you.\r\n";
const std::string kDecrypted = "The plain text.\r\n";

constexpr unsigned kIdEncrypt = 40017;
constexpr unsigned kIdSign = 40018;
constexpr unsigned kIdEncryptSign = 40007;
constexpr unsigned kIdDecryptVerify = 40008;
constexpr unsigned kIdAddKey = 40006;
constexpr unsigned kIdDefault = 40016;

const std::vector<int> kUpToDecision = {5, 5, 30, 50, 60};

std::vector<int> Then(std::vector<int> positions, std::initializer_list<int> more) {
    positions.insert(positions.end(), more);
    return positions;
}

// A mailer's window as its driver's read describes it, a PGP tray program that answers each
// command with a fixed text, and the program's settings.
class MainPGPRun : public FakeOs {
protected:
    MainPGPRun() {
        Core().PGPMainProgramPath = "C:\\PGP\\PGPtray.exe";
        windows.byClass[kPGPtrayClass] = kTray;
        windows.onCommand[kTray] = [this](unsigned id) {
            commands.push_back(id);
            if (auto it = pgpOutput.find(id); it != pgpOutput.end()) {
                clipboard.text = it->second;
            }
        };
        pgpOutput = {{kIdEncrypt, kMessage},
                     {kIdEncryptSign, kMessage},
                     {kIdSign, kSigned},
                     {kIdDecryptVerify, kDecrypted}};
        mailers.onCallDriver = [this](const std::string& request) {
            if (request.starts_with("read File=") && !reply.empty()) {
                files.Put(Paths().exchangeFile, reply);
            }
        };
        properties.mailingList = {"other@x", "List@Lists.example"};
    }

    // The driver's read will describe a window of that type holding that body.
    void MailerShows(std::int32_t wtype, const std::string& body, const std::string& cc = "") {
        TMFDData data;
        data.Wtype = wtype;
        data.To = "a@x, b@x";
        data.HasTo = true;
        data.Cc = cc;
        data.HasCc = !cc.empty();
        data.Body = body;
        data.HasBody = !body.empty();
        reply = MFDText(data);
    }

    std::size_t LogCount(const std::string& line) {
        const std::string log = Log();
        std::size_t n = 0;
        for (std::size_t at = log.find(line); at != std::string::npos;
             at = log.find(line, at + 1)) {
            ++n;
        }
        return n;
    }

    // What every run that got past the busy check ends with.
    void ExpectCleanEnd() {
        EXPECT_EQ(Checkpoint(), 5599);
        EXPECT_EQ(ui.openWindows, 0);
        EXPECT_EQ(mailers.choosers.openChoosers, 0);
        ASSERT_FALSE(ui.hourglass.empty());
        EXPECT_TRUE(ui.hourglass.front());
        EXPECT_FALSE(ui.hourglass.back());
        EXPECT_EQ(LogCount("MainPGP-End"), 1u);
        EXPECT_TRUE(Log().ends_with(": MainPGP-End\r\n")) << Log();
        EXPECT_EQ(properties.hides, 1);
        EXPECT_FALSE(files.Exists(Paths().exchangeFile));
        EXPECT_EQ(Core().PGPBusyHwnd, 0u);
    }

    std::string reply;
    std::map<unsigned, std::string> pgpOutput;  // clipboard text after each command
    std::vector<unsigned> commands;             // commands that reached PGP
};

struct TableRow {
    const char* name;
    std::int32_t wtype;
    std::string body;
    bool routine;
    int option;  // the run's option group; the other group holds another choice
    bool force;
    const char* cc;
    const char* logged;  // the command as the log names it
    std::vector<unsigned> commands;
    std::vector<std::string> writtenBack;
    std::vector<int> positions;
};

constexpr bool kRoutine = true;
constexpr bool kSpecial = false;

const TableRow kTableRows[] = {
    {"compose",
     1,
     kPlain,
     kRoutine,
     2,
     false,
     "",
     "-AutoEncryptSign",
     {kIdEncryptSign},
     {"", kMessage},
     Then(kUpToDecision, {70, 83})},
    {"compose_special",
     1,
     kPlain,
     kSpecial,
     0,
     false,
     "",
     "-AutoEncrypt",
     {kIdEncrypt},
     {"", kMessage},
     Then(kUpToDecision, {70, 83})},
    {"compose_to_a_list",
     1,
     kPlain,
     kRoutine,
     2,
     false,
     "LIST@LISTS.EXAMPLE",
     "-AutoSign",
     {kIdSign},
     {"", kSigned},
     Then(kUpToDecision, {70, 83})},
    {"compose_to_a_list_special",
     1,
     kPlain,
     kSpecial,
     2,
     false,
     "list@lists.example",
     "-AutoEncryptSign",
     {kIdEncryptSign},
     {"", kMessage},
     Then(kUpToDecision, {70, 83})},
    {"posting",
     2,
     kPlain,
     kRoutine,
     0,
     false,
     "",
     "-AutoSign",
     {kIdSign},
     {"", kSigned},
     Then(kUpToDecision, {70, 83})},
    {"posting_special_sign",
     2,
     kPlain,
     kSpecial,
     1,
     false,
     "",
     "-AutoSign",
     {kIdSign},
     {"", kSigned},
     Then(kUpToDecision, {70, 83})},
    {"body_without_window_bit",
     0,
     kPlain,
     kRoutine,
     0,
     false,
     "",
     "",
     {kIdDefault},
     {""},
     Then(kUpToDecision, {70})},
    {"body_without_window_bit_to_a_list",
     0,
     kPlain,
     kRoutine,
     0,
     false,
     "list@lists.example",
     "-AutoSign",
     {kIdSign},
     {"", kSigned},
     Then(kUpToDecision, {70, 83})},
    {"body_without_window_bit_special",
     0,
     kPlain,
     kSpecial,
     0,
     false,
     "",
     "-AutoEncrypt",
     {kIdEncrypt},
     {"", kMessage},
     Then(kUpToDecision, {70, 83})},
    {"read",
     8,
     kMessage,
     kRoutine,
     0,
     false,
     "",
     "-AutoDecryptVerify",
     {kIdDecryptVerify},
     {},
     Then(kUpToDecision, {70, 100})},
    {"read_indented",
     8,
     "Hi\r\n  -----BEGIN PGP MESSAGE-----\r\n\r\nhQEMA\r\n  -----END PGP MESSAGE-----\r\n",
     kRoutine,
     0,
     false,
     "",
     "-AutoDecryptVerify",
     {kIdDecryptVerify},
     {},
     Then(kUpToDecision, {70, 100})},
    {"compose_holding_a_message",
     1,
     "> " + kPlain + kMessage,
     kRoutine,
     0,
     false,
     "",
     "-AutoDecryptVerify",
     {kIdDecryptVerify},
     {},
     Then(kUpToDecision, {70, 100})},
    {"compose_holding_a_key",
     1,
     kKey,
     kRoutine,
     1,
     false,
     "",
     "-AutoSign",
     {kIdSign},
     {"", kSigned},
     Then(kUpToDecision, {70, 83})},
    {"read_a_key",
     8,
     kKey,
     kRoutine,
     0,
     false,
     "",
     "-AddKey",
     {kIdAddKey},
     {},
     Then(kUpToDecision, {70, 100})},
    {"read_a_signed_key",
     8,
     kSignedKey,
     kRoutine,
     0,
     true,
     "",
     "-AutoDecryptVerify",
     {kIdDecryptVerify},
     {},
     Then(kUpToDecision, {70, 100})},
    {"read_a_signed_key_special",
     8,
     kSignedKey,
     kSpecial,
     0,
     false,
     "",
     "-AutoDecryptVerify",
     {kIdDecryptVerify},
     {},
     Then(kUpToDecision, {70, 100})},
    {"read_a_signed_key_special_forced",
     8,
     kSignedKey,
     kSpecial,
     0,
     true,
     "",
     "-AddKey",
     {kIdAddKey},
     {},
     Then(kUpToDecision, {70, 100})},
};

void PrintTo(const TableRow& row, std::ostream* os) {
    *os << row.name;
}

class MainPGPTable : public MainPGPRun, public ::testing::WithParamInterface<TableRow> {};

TEST_P(MainPGPTable, SendsTheCommandAndWritesBackOnlyOutgoingPGPOutput) {
    const TableRow& row = GetParam();
    MailerShows(row.wtype, row.body, row.cc);
    const int other = (row.option + 1) % 3;
    properties.processingIndex = row.routine ? row.option : other;
    properties.outwardIndex = row.routine ? other : row.option;
    properties.forceKeyRead = row.force;

    MainPGP(row.routine);

    EXPECT_EQ(mailers.requests,
              std::vector<std::string>{"read File=C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp"});
    EXPECT_EQ(commands, row.commands);
    EXPECT_EQ(LogCount(std::string(": Invoked PGP with ") + row.logged + "\r\n"), 1u) << Log();
    EXPECT_EQ(properties.receiverTexts, row.writtenBack);
    EXPECT_EQ(ui.positions, row.positions);
    EXPECT_TRUE(user.shown.empty());
    ExpectCleanEnd();
}

INSTANTIATE_TEST_SUITE_P(Rows, MainPGPTable, ::testing::ValuesIn(kTableRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainPGPRun, HandsTheBodyToPGPOnTheClipboard) {
    const std::string indented = "Hi\r\n  " + kMessage;
    MailerShows(8, indented);
    std::string seenByPGP;
    windows.onCommand[kTray] = [&](unsigned) { seenByPGP = clipboard.text; };
    MainPGP(true);
    EXPECT_EQ(seenByPGP, "Hi\r\n" + kMessage);
    ASSERT_EQ(windows.calls.size(), 2u);
    EXPECT_EQ(windows.calls[0], "SetForeground 40");
    EXPECT_EQ(windows.calls[1], "SendCommand 40 40008");
}

TEST_F(MainPGPRun, StopsWhenNoMailerIsChosen) {
    mailers.abandon = true;
    mailers.detectionPositions = {5, 10, 15};
    MainPGP(true);
    EXPECT_EQ(mailers.searchesWithOpenChooser, 1);
    EXPECT_TRUE(mailers.requests.empty());
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(ui.positions, (std::vector<int>{5, 5, 10, 15, 30}));
    EXPECT_EQ(LogCount("Invoked PGP"), 0u);
    ExpectCleanEnd();
}

// The message each stop shows, and how far the run got before it.
TEST_F(MainPGPRun, ANothingReadStopsWithTheApplicationBox) {
    MainPGP(true);  // the driver wrote no file
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Couldn't get data from your e-mail program");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(user.shown[0].caption, "");
    EXPECT_EQ(user.shown[0].boxFlags, kMbOk);
    EXPECT_EQ(user.shown[0].checkpoint, 5506);
    EXPECT_TRUE(commands.empty());
    EXPECT_EQ(ui.positions, kUpToDecision);
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, AnIncomingTextWithoutPGPDataStopsWithItsStartQuoted) {
    MailerShows(8, "Hello there, how are you");
    MainPGP(false);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "The incoming message that starts \"Hello there, ho\" does not contain any PGP "
              "data.");
    EXPECT_EQ(user.shown[0].caption, "Error");
    EXPECT_EQ(user.shown[0].buttons, MsgDlgButtons{MsgDlgBtn::OK});
    EXPECT_EQ(user.shown[0].helpContext, 0);
    EXPECT_EQ(user.shown[0].checkpoint, 5509);
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(clipboard.text.empty());
    EXPECT_EQ(ui.positions, kUpToDecision);
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, EncryptingAPostingInASpecialRunGoesOnOnlyAfterYes) {
    const struct {
        int answer;
        std::vector<unsigned> commands;
        std::vector<bool> hourglass;
    } cases[] = {
        {mrNo, {}, {true, false, false}},
        {mrCancel, {}, {true, false, false}},
        {mrYes, {kIdEncryptSign}, {true, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        commands.clear();
        user.shown.clear();
        ui.hourglass.clear();
        properties.receiverTexts.clear();
        MailerShows(2, kPlain);
        properties.outwardIndex = 2;
        user.answers = {c.answer};
        MainPGP(false);
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text,
                  "You have opted to encrypt a message to a mailing list or newsgroup. This is "
                  "not usually appropriate conduct. Are you sure you want to do this?");
        EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
        EXPECT_EQ(user.shown[0].buttons,
                  (MsgDlgButtons{MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Help}));
        EXPECT_EQ(user.shown[0].helpContext, 9000);
        EXPECT_EQ(commands, c.commands);
        EXPECT_EQ(ui.hourglass, c.hourglass);
        EXPECT_EQ(Checkpoint(), 5599);
    }
    EXPECT_EQ(properties.receiverTexts, (std::vector<std::string>{"", kMessage}));
}

TEST_F(MainPGPRun, AFailedPGPStartEndsTheRunAndTheProgram) {
    windows.byClass.clear();
    processes.winExecResult = 2;
    MailerShows(1, kPlain);
    MainPGP(true);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error in Winexec returned 2.5510 with C:\\PGP\\PGPtray.exe");
    EXPECT_EQ(application.terminateRequests, 1);
    EXPECT_EQ(properties.receiverTexts, std::vector<std::string>{""});
    EXPECT_EQ(ui.positions, Then(kUpToDecision, {70}));
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, NoEncryptedOutputIsReportedAndNothingIsWrittenBack) {
    pgpOutput.erase(kIdEncrypt);  // the user cancelled PGP's dialog
    MailerShows(1, kPlain);
    MainPGP(true);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error in Message.5510 with PGP failed to encrypt!!!");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_EQ(properties.receiverTexts, std::vector<std::string>{""});
    EXPECT_EQ(application.terminateRequests, 0);
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, OutgoingOutputThatIsUnchangedOrNotPGPIsNotWrittenBack) {
    const struct {
        const char* name;
        bool changes;
        std::string output;
    } cases[] = {
        {"cancelled signing", false, ""},
        {"output without a PGP block", true, "Signed, honestly.\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        properties.receiverTexts.clear();
        if (c.changes) {
            pgpOutput[kIdSign] = c.output;
        } else {
            pgpOutput.erase(kIdSign);
        }
        MailerShows(2, kPlain);
        MainPGP(true);
        EXPECT_EQ(properties.receiverTexts, std::vector<std::string>{""});
        EXPECT_EQ(ui.positions.back(), 70);
        EXPECT_TRUE(user.shown.empty());
        EXPECT_EQ(Checkpoint(), 5599);
    }
}

TEST_F(MainPGPRun, AKeyInsideTheDecryptedOutputIsImportedUnlessTheUserSaidNo) {
    const struct {
        const char* name;
        bool ignoreWrappedKeys;
        std::string output;
        std::vector<unsigned> commands;
        std::vector<int> positions;
    } cases[] = {
        {"wrapped key",
         false,
         "Here is my key:\r\n" + kKey,
         {kIdDecryptVerify, kIdAddKey},
         Then(kUpToDecision, {70, 100, 100})},
        {"wrapped key ignored",
         true,
         "Here is my key:\r\n" + kKey,
         {kIdDecryptVerify},
         Then(kUpToDecision, {70, 100})},
        {"no key in the output",
         false,
         kDecrypted,
         {kIdDecryptVerify},
         Then(kUpToDecision, {70, 100})},
        {"output unchanged", false, kSignedKey, {kIdDecryptVerify}, Then(kUpToDecision, {70, 100})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        commands.clear();
        ui.positions.clear();
        files.Remove(DebugLogPath());
        pgpOutput[kIdDecryptVerify] = c.output;
        properties.ignoreWrappedKeys = c.ignoreWrappedKeys;
        MailerShows(8, kSignedKey);
        MainPGP(true);
        EXPECT_EQ(commands, c.commands);
        EXPECT_EQ(ui.positions, c.positions);
        EXPECT_EQ(LogCount(": (Nested) Invoked PGP with -AddKey\r\n"), c.commands.size() - 1);
        EXPECT_TRUE(properties.receiverTexts.empty());
        EXPECT_EQ(Checkpoint(), 5599);
    }
}

TEST_F(MainPGPRun, ABusyPGPIsReportedAndCancelLeavesAtOnce) {
    Core().PGPBusyHwnd = 77;
    user.answers = {mrCancel};
    MainPGP(true);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "A previous run of Tervane 5 appears to be active and a PGP dialog present. We "
              "suggest using alt-TAB to find the relevant PGP dialog\r\n\nIf you use the Ignore "
              "button, you may encounter errors");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_EQ(user.shown[0].buttons, (MsgDlgButtons{MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}));
    EXPECT_EQ(user.shown[0].helpContext, 0);
    EXPECT_EQ(windows.calls, std::vector<std::string>{"BringToTop 77"});
    EXPECT_EQ(ui.processed, 1);
    EXPECT_EQ(Checkpoint(), 5501);
    EXPECT_EQ(properties.hides, 1);
    EXPECT_TRUE(ui.windowsShownAt.empty());
    EXPECT_TRUE(ui.hourglass.empty());
    EXPECT_TRUE(mailers.requests.empty());
    EXPECT_EQ(LogCount("MainPGP-End"), 0u);
    EXPECT_EQ(Core().PGPBusyHwnd, 77u);
}

// PGP's preferences, opened from the properties window, hold the tray busy outside any run.
TEST_F(MainPGPRun, ARunStartedWhilePGPHoldsACommandWarns) {
    user.answers = {mrCancel};
    windows.onCommand[kTray] = [this](unsigned id) {
        commands.push_back(id);
        MainPGP(true);
    };
    EXPECT_TRUE(InvokePGP("-Properties"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_EQ(user.shown[0].buttons, (MsgDlgButtons{MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}));
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"SetForeground 40", "SendCommand 40 40012",
                                                       "BringToTop 40"}));
    EXPECT_EQ(commands, std::vector<unsigned>{40012});
    EXPECT_EQ(Checkpoint(), 5501);
    EXPECT_EQ(Core().PGPBusyHwnd, 0u);
}

TEST_F(MainPGPRun, IgnoringABusyPGPGoesOnWithTheRun) {
    Core().PGPBusyHwnd = 77;
    user.answers = {mrIgnore};
    MailerShows(1, kPlain);
    WindowId busyWhileReading = 1;
    mailers.onCallDriver = [&](const std::string&) {
        busyWhileReading = Core().PGPBusyHwnd;
        files.Put(Paths().exchangeFile, reply);
    };
    MainPGP(true);
    EXPECT_EQ(busyWhileReading, 0u);
    EXPECT_EQ(commands, std::vector<unsigned>{kIdEncrypt});
    EXPECT_EQ(properties.receiverTexts, (std::vector<std::string>{"", kMessage}));
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, ASecondStartDuringARunOnlyWritesALogLine) {
    MailerShows(1, kPlain);
    mailers.onCallDriver = [this](const std::string&) {
        files.Put(Paths().exchangeFile, reply);
        MainPGP(false);  // the Special page's Run button, pressed while the driver reads
    };
    windows.onCommand[kTray] = [this](unsigned id) {
        commands.push_back(id);
        clipboard.text = kMessage;
        MainPGP(true);
    };
    MainPGP(true);
    EXPECT_EQ(LogCount(": MainPGP ignored: a run is already in progress\r\n"), 2u);
    EXPECT_EQ(mailers.requests.size(), 1u);
    EXPECT_EQ(commands, std::vector<unsigned>{kIdEncrypt});
    EXPECT_EQ(ui.windowsShownAt.size(), 1u);
    ExpectCleanEnd();
}

TEST_F(MainPGPRun, AnUnexpectedErrorIsReportedAfterTheCleanUpAndLaterRunsStillStart) {
    mailers.onCallDriver = [](const std::string&) { throw std::runtime_error("Access violation"); };
    RunGuarded("TfrmProps", [] { MainPGP(true); });
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "Error in TfrmProps.5599 with UH Access violation");
    EXPECT_EQ(ui.openWindows, 0);
    EXPECT_EQ(mailers.choosers.openChoosers, 0);
    EXPECT_EQ(ui.hourglass, (std::vector<bool>{true, false}));
    EXPECT_NE(Log().find("MainPGP-End\r\n"), std::string::npos);

    mailers.onCallDriver = nullptr;
    MainPGP(true);
    EXPECT_EQ(ui.windowsShownAt.size(), 2u);
    EXPECT_EQ(LogCount("MainPGP ignored"), 0u);
}

TEST_F(MainPGPRun, TheProgressWindowOpensByTheCursor) {
    ui.cursor = {1023, 767};
    MainPGP(true);
    ASSERT_EQ(ui.windowsShownAt.size(), 1u);
    EXPECT_EQ(ui.windowsShownAt[0].x, 1024 - 50 - 137);
    EXPECT_EQ(ui.windowsShownAt[0].y, 768 - 50 - 23);
}

TEST_F(MainPGPRun, TheExchangeFileIsWipedAfterTheRead) {
    MailerShows(1, kPlain);
    MainPGP(true);
    const std::string path = Paths().exchangeFile;
    EXPECT_FALSE(files.Exists(path));
    EXPECT_EQ(files.overwrites.size(), 6u);
    EXPECT_EQ(files.calls.back(), "Append " + DebugLogPath() + " 32");
    EXPECT_NE(std::find(files.calls.begin(), files.calls.end(), "Remove " + path),
              files.calls.end());
}

// A virus scanner holding the file for a moment delays the read; one holding it for good
// ends the run with the error, and the file is wiped all the same.
TEST_F(MainPGPRun, AHeldExchangeFileIsReadAgainAndWipedWhateverTheReadGave) {
    const struct {
        const char* name;
        int refusals;
        std::size_t waits;
        std::vector<unsigned> commands;
    } cases[] = {
        {"held for a moment", 1, 1, {kIdEncrypt}},
        {"held for good", FakeFiles::kAlways, 9, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        commands.clear();
        ui.waits.clear();
        MailerShows(1, kPlain);
        mailers.onCallDriver = [&](const std::string&) {
            files.Put(Paths().exchangeFile, reply);
            files.RefuseReads(Paths().exchangeFile, c.refusals);
        };
        RunGuarded("TfrmProps", [] { MainPGP(true); });
        EXPECT_EQ(ui.waits, std::vector<int>(c.waits, 100));
        EXPECT_EQ(commands, c.commands);
        EXPECT_FALSE(files.Exists(Paths().exchangeFile));
        EXPECT_EQ(Checkpoint(), 5599);
    }
}

// The body goes when the run did not end with PGP's output on the clipboard; a clipboard
// that the user or PGP has changed since, and an incoming run's, are left alone.
TEST_F(MainPGPRun, TheOutgoingBodyIsTakenOffTheClipboardOnlyWhileItIsStillThere) {
    const struct {
        const char* name;
        std::int32_t wtype;
        std::string body;
        std::optional<std::string> pgpOutput;  // none: PGP cancelled, the clipboard untouched
        std::string clipboardAfter;
    } cases[] = {
        {"outgoing, PGP cancelled", 2, kPlain, std::nullopt, ""},
        {"outgoing, the user copied a text meanwhile", 2, kPlain, "a note", "a note"},
        {"incoming, PGP cancelled", 8, kMessage, std::nullopt, kMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        pgpOutput.clear();
        if (c.pgpOutput) {
            pgpOutput = {{kIdSign, *c.pgpOutput}, {kIdDecryptVerify, *c.pgpOutput}};
        }
        MailerShows(c.wtype, c.body);
        MainPGP(true);
        EXPECT_EQ(clipboard.text, c.clipboardAfter);
    }
}

TEST_F(MainPGPRun, ABodyWithANulCharacterStopsBeforePGP) {
    MailerShows(1, std::string("Dear all,\r\n\0the rest\r\n", 23));
    MainPGP(true);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "The message holds a NUL character (a zero byte). The clipboard would carry the "
              "text only up to that character and the rest of the message would be lost, so "
              "Tervane 5 has left the message as it is. Remove the character from the message "
              "and try again.");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(user.shown[0].checkpoint, 5506);
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(clipboard.text.empty());
    ExpectCleanEnd();
}

enum class Fault {
    None,
    DriverMissing,
    ReadRefusedOnce,
    ReadRefusedAlways,
    WipeRefused,
    PGPCancelled,
    PGPFails,
    WriteRefused,
    DiskFull,
};

// Every failure that the fakes can inject, in outgoing and incoming runs, with the real
// write-back: whatever happened, no exchange file is left, and the clipboard holds this
// run's body only after an incoming run.
class MainPGPFaults : public MainPGPRun,
                      public ::testing::WithParamInterface<std::tuple<Fault, bool>> {
protected:
    MainPGPFaults() {
        Mailers().directory = "C:\\Drivers";
        Mailers().currentDriver = "MAILX.EXE";
        properties.onReceiverText = [](const std::string& text) { ClipboardReceiverChanged(text); };
        mailers.onCallDriver = [this](const std::string&) {
            if (fault != Fault::DriverMissing) {
                files.Put(Paths().exchangeFile, reply);
                Inject();
            }
        };
    }

    void Inject() {
        const std::string& path = Paths().exchangeFile;
        switch (fault) {
            case Fault::ReadRefusedOnce:
                return files.RefuseReads(path, 1);
            case Fault::ReadRefusedAlways:
                return files.RefuseReads(path);
            case Fault::WipeRefused:
                return files.MakeReadOnly(path);
            case Fault::WriteRefused:
                return files.FailWrite(path, kErrorAccessDenied);
            case Fault::DiskFull:
                return files.FailWrite(path, kErrorDiskFull);
            default:
                return;
        }
    }

    const Fault fault = std::get<0>(GetParam());
    const bool incoming = std::get<1>(GetParam());
};

TEST_P(MainPGPFaults, LeaveNoExchangeFileAndNoBodyOnTheClipboard) {
    const std::string body = incoming ? kMessage : kPlain;
    MailerShows(incoming ? 8 : 1, body);
    if (fault == Fault::PGPCancelled) {
        pgpOutput.clear();
    }
    if (fault == Fault::PGPFails) {
        windows.byClass.clear();
        processes.winExecResult = 2;
    }
    RunGuarded("TfrmProps", [] { MainPGP(true); });
    EXPECT_FALSE(files.Exists(Paths().exchangeFile));
    if (!incoming) {
        EXPECT_NE(clipboard.text, body);
    }
    EXPECT_EQ(Checkpoint(), 5599);
}

std::string FaultName(const ::testing::TestParamInfo<std::tuple<Fault, bool>>& info) {
    constexpr const char* kNames[] = {
        "None",         "DriverMissing", "ReadRefusedOnce", "ReadRefusedAlways", "WipeRefused",
        "PGPCancelled", "PGPFails",      "WriteRefused",    "DiskFull"};
    return std::string(kNames[static_cast<int>(std::get<0>(info.param))]) +
           (std::get<1>(info.param) ? "Incoming" : "Outgoing");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MainPGPFaults,
    ::testing::Combine(::testing::Values(Fault::None, Fault::DriverMissing, Fault::ReadRefusedOnce,
                                         Fault::ReadRefusedAlways, Fault::WipeRefused,
                                         Fault::PGPCancelled, Fault::PGPFails, Fault::WriteRefused,
                                         Fault::DiskFull),
                       ::testing::Bool()),
    FaultName);

}  // namespace
