// The whole program at work: Tervane5.exe installed beside the demo mailer and its drivers,
// started as a user starts it, driven through its tray icons, with the PGP tray stand-in in
// place of PGP.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "standins/DemoMail/DemoMailIds.h"
#include "win/InstalledProgram.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win32/ControlIds.h"
#include "win32/Win32Clipboard.h"

namespace {

constexpr const char* kEncryptedBegin = "-----BEGIN PGP MESSAGE-----";
constexpr const char* kSignedBegin = "-----BEGIN PGP SIGNED MESSAGE-----";
const std::string kBody = "Hello Bob,\r\n\r\nsee you on Thursday.\r\nAlice";
const std::string kKeyBlock =
    "-----BEGIN PGP PUBLIC KEY BLOCK-----\r\n\r\nmQENBFz0c2gBCAC7\r\n"
    "-----END PGP PUBLIC KEY BLOCK-----\r\n";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

class Tervane5RunTest : public ::testing::Test {
protected:
    // A message file for the demo mailer, to the recipient.
    static std::string MessageFile(const std::string& to, const std::string& body) {
        const std::string path = InstalledProgram::File("message.txt");
        PutFile(path, "From: Alice <alice@example.org>\r\nTo: " + to +
                          "\r\nSubject: Thursday\r\n\r\n" + body);
        return path;
    }

    static std::string Mailer(const char* option, const std::string& file) {
        return StandinPath("DemoMail.exe") + " " + option + " \"" + file + "\"";
    }

    // Starts the program and waits for its tray icons.
    void StartProgram() {
        program_ = InstalledProgram::Start();
        icons_ = InstalledProgram::WaitForTrayIcons(*program_);
        ASSERT_EQ(icons_.size(), 2u) << "no tray icons";
    }

    // Asks the program to end as an installer does; its exit code.
    std::optional<DWORD> EndProgram() {
        PutFile(InstalledProgram::File("Installer.Flg"), "");
        return program_->WaitForExit(15000);
    }

    std::string BodyOf(HWND mailerWindow) const {
        return WindowText(GetDlgItem(mailerWindow, demomail::kBodyId));
    }

    // The stand-in has handled that many commands; its log appears with the first.
    bool CommandsHandled(std::size_t count) const {
        return WaitUntil([&] { return CommandCount() >= count; });
    }

    std::size_t CommandCount() const {
        try {
            return pgp_.CommandLines().size();
        } catch (const std::exception&) {
            return 0;  // no log yet
        }
    }

    // For a failure: the stand-in's log, the end of the program's log and the captions of
    // the windows the program shows.
    std::string WhatHappened() const {
        std::string text = "PGP stand-in's log:\n";
        try {
            for (const std::string& line : pgp_.LogLines()) {
                text += "  " + line + "\n";
            }
        } catch (const std::exception&) {
            text += "  (none)\n";
        }
        const std::string log = InstalledProgram::DebugLog();
        text += "Debug log:\n" + log;
        return text + "\nWindows shown:" + WindowsShown();
    }

    // The captions and control texts of the program's visible windows.
    std::string WindowsShown() const {
        std::string text;
        for (HWND window : InstalledProgram::VisibleWindows(*program_)) {
            text += " [" + WindowText(window);
            for (HWND child = GetWindow(window, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                text += " | " + WindowText(child);
            }
            text += "]";
        }
        return text;
    }

    // The program's visible window that shows the text, once it is there; null for none.
    HWND WindowShowing(const std::string& part) const {
        HWND found = nullptr;
        WaitUntil([&] {
            for (HWND window : InstalledProgram::VisibleWindows(*program_)) {
                for (HWND child = GetWindow(window, GW_CHILD); child;
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    if (Contains(WindowText(child), part)) {
                        found = window;
                        return true;
                    }
                }
            }
            return false;
        });
        return found;
    }

    // The stand-in's box that holds its command open, once it is shown.
    HWND PGPHoldingACommand() const {
        return pgp_.WaitForWindow("#32770", "PGP Stand-in - Busy", 30000);
    }

    InstalledProgram install_;
    PGPTrayStandin pgp_;
    std::unique_ptr<StandinProgram> program_;
    std::vector<HWND> icons_;
};

TEST_F(Tervane5RunTest, StartsHiddenWithItsTwoTrayIconsAndEndsWhenAnInstallerAsks) {
    PutFile(InstalledProgram::File("Installer.Flg"), "stale");
    StartProgram();
    // A stale request from an earlier run does not end the new one.
    EXPECT_FALSE(program_->WaitForExit(7000).has_value());
    EXPECT_TRUE(InstalledProgram::VisibleWindows(*program_).empty());

    const DWORD asked = GetTickCount();
    EXPECT_EQ(EndProgram(), std::optional<DWORD>(0));
    EXPECT_LT(GetTickCount() - asked, 6000u + 2000u) << "within one timer tick";
    EXPECT_EQ(GetFileAttributesA(InstalledProgram::File("Installer.Flg").c_str()),
              INVALID_FILE_ATTRIBUTES);
    const std::string log = InstalledProgram::DebugLog();
    const std::size_t command = log.find("Cmd: <");
    const std::size_t trimmed = log.find("Log trimmed");
    const std::size_t about = log.find("Mail Form Drivers in: C:\\Tervane Test\\Sub Dir");
    const std::size_t started = log.rfind("Started Tervane 5");
    EXPECT_LT(command, trimmed);
    EXPECT_LT(trimmed, about);
    EXPECT_LT(about, started);
    EXPECT_NE(started, std::string::npos) << log;
}

TEST_F(Tervane5RunTest, ASecondStartStepsAsideUnlessTheFlagLetsItThroughOnce) {
    StartProgram();
    const auto second = InstalledProgram::Start();
    EXPECT_EQ(second->WaitForExit(15000), std::optional<DWORD>(0));

    PutFile(InstalledProgram::File("AllowDuplicateInstance.Flg"), "");
    const auto third = InstalledProgram::Start();
    EXPECT_EQ(InstalledProgram::WaitForTrayIcons(*third).size(), 2u);
    EXPECT_FALSE(third->WaitForExit(0).has_value());
    EXPECT_EQ(GetFileAttributesA(InstalledProgram::File("AllowDuplicateInstance.Flg").c_str()),
              INVALID_FILE_ATTRIBUTES);

    const auto fourth = InstalledProgram::Start();
    EXPECT_EQ(fourth->WaitForExit(15000), std::optional<DWORD>(0));
    EXPECT_EQ(EndProgram(), std::optional<DWORD>(0));
}

TEST_F(Tervane5RunTest, AClickEncryptsTheComposedMessageAndWritesItBack) {
    StandinProgram mailer(Mailer("/compose", MessageFile("Bob <bob@example.org>", kBody)));
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(compose, nullptr);
    StartProgram();
    InstalledProgram::ClickMainIcon(icons_, compose);
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(BodyOf(compose), kEncryptedBegin); }))
        << BodyOf(compose) << WhatHappened();
    EXPECT_EQ(pgp_.CommandLines(), std::vector<std::string>{"40017 -AutoEncrypt"});
    // The result went to the mailer, not to the clipboard.
    EXPECT_EQ(Win32Clipboard().Text(), "");
    EXPECT_EQ(EndProgram(), std::optional<DWORD>(0));
    const std::string log = InstalledProgram::DebugLog();
    EXPECT_TRUE(Contains(log, "MainPGP-T")) << log;
}

TEST_F(Tervane5RunTest, MailToAMailingListIsOnlySigned) {
    PutFile(InstalledProgram::File("MailingList.dat"), "list@example.org\r\n");
    StandinProgram mailer(Mailer("/compose", MessageFile("list@example.org", kBody)));
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(compose, nullptr);
    StartProgram();
    InstalledProgram::ClickMainIcon(icons_, compose);
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(BodyOf(compose), kSignedBegin); }))
        << BodyOf(compose) << WhatHappened();
    EXPECT_EQ(pgp_.CommandLines(), std::vector<std::string>{"40018 -AutoSign"});
}

TEST_F(Tervane5RunTest, CancellingPGPLeavesTheComposedTextAlone) {
    pgp_.Configure({"Cancel=1"});
    StandinProgram mailer(Mailer("/compose", MessageFile("Bob <bob@example.org>", kBody)));
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(compose, nullptr);
    StartProgram();
    InstalledProgram::ClickMainIcon(icons_, compose);
    ASSERT_TRUE(CommandsHandled(1)) << WhatHappened();
    // The run ends once PGP has answered; then the program is idle again.
    EXPECT_TRUE(WaitUntil([] { return Contains(InstalledProgram::DebugLog(), "MainPGP-T"); }));
    Sleep(2000);
    EXPECT_EQ(BodyOf(compose), kBody);
}

TEST_F(Tervane5RunTest, AReceivedMessageIsDecryptedAndTheKeyItCarriesImported) {
    Win32Clipboard clipboard;
    clipboard.SetText("Here is my key.\r\n" + kKeyBlock);
    ASSERT_TRUE(pgp_.Send(40017));
    const std::string encrypted = clipboard.Text();
    ASSERT_TRUE(StartsWith(encrypted, kEncryptedBegin));
    StandinProgram mailer(Mailer("/read", MessageFile("Bob <bob@example.org>", encrypted)));
    HWND reader = mailer.WaitForWindow(demomail::kReadClass);
    ASSERT_NE(reader, nullptr);
    StartProgram();
    InstalledProgram::ClickMainIcon(icons_, reader);
    ASSERT_TRUE(CommandsHandled(3)) << WhatHappened();
    EXPECT_EQ(pgp_.CommandLines(),
              (std::vector<std::string>{"40017 -AutoEncrypt", "40008 -AutoDecryptVerify",
                                        "40006 -AddKey"}));
    EXPECT_TRUE(Contains(FileContent(PGPTrayStandin::File("keyring.txt")), "mQENBFz0c2gBCAC7"));
    // What was read stays as it is in the read window.
    EXPECT_EQ(BodyOf(reader), encrypted);
}

TEST_F(Tervane5RunTest, ARightClickOpensThePropertiesWhereADoubleClickAndOkMakeAMailerActive) {
    StartProgram();
    HWND mainIcon = InstalledProgram::IconTitled(icons_, "Tervane 5");
    ASSERT_NE(mainIcon, nullptr);
    ASSERT_NE(InstalledProgram::IconTitled(icons_, "Tervane Tools"), nullptr);
    PostMessageA(mainIcon, WM_USER, 0, WM_RBUTTONUP);
    HWND props = program_->WaitForWindow("TfrmProps");
    ASSERT_NE(props, nullptr) << WhatHappened();
    HWND library = GetDlgItem(props, kLstLibrary);
    ASSERT_EQ(SendMessageA(library, LB_GETCOUNT, 0, 0), 1);  // the script's mailer
    SendMessageA(library, LB_SETCURSEL, 0, 0);
    SendMessageA(props, WM_COMMAND, MAKEWPARAM(kLstLibrary, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(library));
    EXPECT_EQ(SendMessageA(GetDlgItem(props, kLstActive), LB_GETCOUNT, 0, 0), 2);
    SendMessageA(props, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(props, IDOK)));
    EXPECT_FALSE(IsWindowVisible(props));
    const std::string gap(200, ' ');
    EXPECT_EQ(FileContent(InstalledProgram::File("ActiveMailers.dat")),
              "Demo Mail (program driver)" + gap + "DemoMfd.EXE\r\nDemo Mail (script)" + gap +
                  "DemoMail.mfs\r\n");
}

TEST_F(Tervane5RunTest, WithTheOnlyActiveMailerClosedAClickSaysThatNoMailerIsRunning) {
    auto mailer = std::make_unique<StandinProgram>(
        Mailer("/compose", MessageFile("Bob <bob@example.org>", kBody)));
    ASSERT_NE(mailer->WaitForWindow(demomail::kComposeClass), nullptr);
    mailer.reset();  // the mailer's window is gone
    StartProgram();
    InstalledProgram::ClickMainIcon(icons_, nullptr);
    HWND box = WindowShowing("No mailers in the Tervane 5 \"Active\" list are running");
    ASSERT_NE(box, nullptr) << WhatHappened();
    PostMessageA(FindWindowExA(box, nullptr, "Button", "&Abort"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return InstalledProgram::VisibleWindows(*program_).empty(); }))
        << WhatHappened();
    EXPECT_EQ(CommandCount(), 0u) << "PGP was asked although no mailer runs";
    EXPECT_EQ(EndProgram(), std::optional<DWORD>(0));
}

// A close request (as taskkill without /f sends) while PGP holds the run: the run ends with
// the result written back, then the program ends. Meanwhile the mailer lists take no edits.
TEST_F(Tervane5RunTest, ACloseRequestAndListEditsDuringARunWaitForItsEnd) {
    pgp_.Configure({"HoldOpen=1"});
    StandinProgram mailer(Mailer("/compose", MessageFile("Bob <bob@example.org>", kBody)));
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(compose, nullptr);
    StartProgram();
    const std::string activeBefore = FileContent(InstalledProgram::File("ActiveMailers.dat"));
    HWND props = program_->TopLevelWindows(false, "TfrmProps").at(0);
    InstalledProgram::ClickMainIcon(icons_, compose);
    HWND busy = PGPHoldingACommand();
    ASSERT_NE(busy, nullptr) << WhatHappened();

    HWND library = GetDlgItem(props, kLstLibrary);
    SendMessageA(library, LB_SETCURSEL, 0, 0);
    SendMessageA(props, WM_COMMAND, MAKEWPARAM(kLstLibrary, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(library));
    SendMessageA(props, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(props, IDOK)));
    EXPECT_EQ(SendMessageA(GetDlgItem(props, kLstActive), LB_GETCOUNT, 0, 0), 1);
    PostMessageA(props, WM_CLOSE, 0, 0);
    EXPECT_FALSE(program_->WaitForExit(2000).has_value()) << "ended in the middle of the run";

    PostMessageA(busy, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(BodyOf(compose), kEncryptedBegin); }))
        << BodyOf(compose) << WhatHappened();
    EXPECT_EQ(program_->WaitForExit(15000), std::optional<DWORD>(0));
    EXPECT_EQ(FileContent(InstalledProgram::File("ActiveMailers.dat")), activeBefore);
}

}  // namespace
