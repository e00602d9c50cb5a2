// The whole of Tervane 5 with Tervane GnuPG Tray as its PGP: Tervane5.exe installed beside
// the demo mailer, its "Mainexe" naming TervaneGpg.exe, which it starts itself, and the
// GnuPG double behind that. A click encrypts the message of the mailer's compose window into
// it; a click on a read window holding the result decrypts it again.

#include <gtest/gtest.h>
#include <windows.h>

#include "gpgtray/Transcript.h"
#include "gpgtray/win32/Captions.h"
#include "gpgtray/win32/resource.h"
#include "standins/DemoMail/DemoMailIds.h"
#include "win/GpgTrayInstall.h"
#include "win/InstalledProgram.h"
#include "win/PGPTrayStandin.h"

namespace {

// The demo mailer with a message to Bob in a window of that kind ("/compose", "/read").
StandinProgram DemoMail(const char* kind, const std::string& body) {
    const std::string file = InstalledProgram::File(std::string(kind + 1) + ".txt");
    PutFile(file,
            "From: Alice <alice@example.org>\r\nTo: Bob <bob@example.org>\r\nSubject: "
            "Thursday\r\n\r\n" +
                body);
    return StandinProgram(StandinPath("DemoMail.exe") + " " + kind + " \"" + file + "\"");
}

std::string BodyOf(HWND mailerWindow) {
    return WindowText(GetDlgItem(mailerWindow, demomail::kBodyId));
}

// The process of the tray window that Tervane 5 has started, once it is there; 0 for none.
DWORD TrayProcess() {
    HWND tray = nullptr;
    WaitUntil([&] { return (tray = FindWindowA(gpgtray::kTrayWindowClass, nullptr)) != nullptr; });
    DWORD process = 0;
    GetWindowThreadProcessId(tray, &process);
    return process;
}

TEST(GpgTrayRun, Tervane5EncryptsTheDemoMailersMessageWithItAndDecryptsItAgain) {
    InstalledProgram tervane;
    GpgTrayInstall gpg;
    WritePrivateProfileStringA("PGP", "Mainexe", GpgTrayInstall::Program().c_str(), "Tervane5.INI");
    GpgTrayInstall::Set("LastRecipients", GpgTrayInstall::Fingerprint(scenario::kBob));
    StandinProgram compose = DemoMail("/compose", scenario::kMailBody);
    const HWND composeWindow = compose.WaitForWindow(demomail::kComposeClass);
    ASSERT_NE(composeWindow, nullptr);
    const auto program = InstalledProgram::Start();
    const std::vector<HWND> icons = InstalledProgram::WaitForTrayIcons(*program);
    ASSERT_EQ(icons.size(), 2u);

    InstalledProgram::ClickMainIcon(icons, composeWindow);
    const DWORD tray = TrayProcess();
    const HWND recipients = WaitForDialog(tray, gpgtray::kRecipientsCaption);
    ASSERT_NE(recipients, nullptr) << InstalledProgram::DebugLog();
    PressButton(recipients, IDOK);
    const std::string encrypted = GpgTrayInstall::Recorded("03-encrypt").output;
    EXPECT_TRUE(WaitUntil([&] { return SameText(BodyOf(composeWindow), encrypted); }))
        << BodyOf(composeWindow) << InstalledProgram::DebugLog();

    StandinProgram read = DemoMail("/read", BodyOf(composeWindow));
    const HWND readWindow = read.WaitForWindow(demomail::kReadClass);
    ASSERT_NE(readWindow, nullptr);
    InstalledProgram::ClickMainIcon(icons, readWindow);
    const HWND opened = WaitForDialog(tray, gpgtray::kOpenedCaption);
    ASSERT_NE(opened, nullptr) << InstalledProgram::DebugLog();
    EXPECT_EQ(ItemText(opened, IDC_PLAIN_TEXT), scenario::kMailBody);
    EXPECT_EQ(ItemText(opened, IDC_SIGNATURE), "The message was not signed.");
    const std::string log = InstalledProgram::DebugLog();
    EXPECT_NE(log.find("Invoked PGP with -AutoEncrypt"), std::string::npos) << log;
    EXPECT_NE(log.find("Invoked PGP with -AutoDecryptVerify"), std::string::npos) << log;
}

}  // namespace
