// TervaneGpg.exe as Tervane 5 meets it: its hidden window answers each command identifier
// on the clipboard's text, with a GnuPG double that replays the recorded runs; its dialogs
// are answered by pressing their buttons by id.

#include <gtest/gtest.h>
#include <windows.h>

#include "gpgtray/Transcript.h"
#include "gpgtray/core/CommandIds.h"
#include "gpgtray/core/TextUtil.h"
#include "gpgtray/win32/Captions.h"
#include "gpgtray/win32/resource.h"
#include "win/GpgTrayInstall.h"
#include "win/InstalledProgram.h"
#include "win/PGPTrayStandin.h"
#include "win32/Win32Clipboard.h"

namespace {

using namespace gpgtray;

class GpgTrayWindowTest : public ::testing::Test {
protected:
    void SetUp() override { tray_ = install_.Start(); }

    HWND Shown(const char* caption) { return WaitForDialog(install_.ProcessId(), caption); }

    // Sends the command with the text on the clipboard, lets `answer` deal with what the
    // program shows, and waits for the command to end.
    template <typename Answer>
    void Run(unsigned id, const std::string& text, Answer answer) {
        clipboard_.SetText(text);
        SentCommand command(tray_, id);
        answer();
        ASSERT_TRUE(command.Finished()) << "command " << id << " did not end";
    }

    // Encrypts the text for the remembered recipient, as the recipients dialog offers it.
    void EncryptForBob(unsigned id) {
        GpgTrayInstall::Set("LastRecipients", GpgTrayInstall::Fingerprint(scenario::kBob));
        Run(id, scenario::kMailBody, [&] {
            const HWND dialog = Shown(kRecipientsCaption);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_GETCOUNT, 0, 0), 3)
                << "Dave's key has expired";
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_GETSELCOUNT, 0, 0), 1);
            PressButton(dialog, IDOK);
        });
    }

    // Decrypts or verifies the clipboard's text; what the text window then shows: the
    // signature's words and the text.
    std::pair<std::string, std::string> Open() {
        Run(GPGTRAY_DECRYPT_VERIFY, clipboard_.Text(), [] {});
        const HWND window = Shown(kOpenedCaption);
        if (!window) {
            return {};
        }
        return {ItemText(window, IDC_SIGNATURE), ItemText(window, IDC_PLAIN_TEXT)};
    }

    // The message box that the program shows, its text, answered with the button.
    std::string AnswerBox(int button) {
        const HWND box = Shown(kProgramTitle);
        if (!box) {
            return "(no message box)";
        }
        std::string text;
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char className[16] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") == 0) {
                text += WindowText(child);
            }
        }
        PressButton(box, button);
        return text;
    }

    GpgTrayInstall install_;
    HWND tray_ = nullptr;
    Win32Clipboard clipboard_;
};

TEST_F(GpgTrayWindowTest, EncryptsForTheRememberedRecipientAndTheTextWindowShowsItAgain) {
    const struct {
        unsigned id;
        const char *recorded, *words;
    } cases[] = {
        {GPGTRAY_ENCRYPT, "03-encrypt", "The message was not signed."},
        {GPGTRAY_ENCRYPT_SIGN, "05-encrypt",
         "Good signature from Alice <alice@example.org>, made 20"},
    };
    for (const auto& c : cases) {
        EncryptForBob(c.id);
        EXPECT_EQ(clipboard_.Text(), WithCrLf(GpgTrayInstall::Recorded(c.recorded).output));
        const auto [words, text] = Open();
        EXPECT_EQ(words.rfind(c.words, 0), 0u) << words;
        EXPECT_EQ(text, scenario::kMailBody);
        EXPECT_EQ(clipboard_.Text(), scenario::kMailBody);
    }
}

TEST_F(GpgTrayWindowTest, TheRecipientsFilterNarrowsTheListAndAnUncertainKeyNeedsAYes) {
    Run(GPGTRAY_ENCRYPT, scenario::kMailBody, [&] {
        HWND dialog = Shown(kRecipientsCaption);
        ASSERT_NE(dialog, nullptr);
        SetWindowTextA(GetDlgItem(dialog, IDC_FILTER), "CAROL");
        ASSERT_EQ(SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_GETCOUNT, 0, 0), 1);
        SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_SETSEL, TRUE, 0);
        PressButton(dialog, IDOK);
        EXPECT_NE(AnswerBox(IDNO).find("Carol <carol@example.org>"), std::string::npos);
        // Asked again, with the choice kept and the whole list shown.
        dialog = Shown(kRecipientsCaption);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_GETCOUNT, 0, 0), 3);
        EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_RECIPIENTS, LB_GETSELCOUNT, 0, 0), 1);
        PressButton(dialog, IDCANCEL);
    });
    EXPECT_EQ(clipboard_.Text(), scenario::kMailBody);
    EXPECT_EQ(GpgTrayInstall::Get("LastRecipients"), "");
}

TEST_F(GpgTrayWindowTest, ImportsTheKeysOnTheClipboardAndSaysWhatCameOfIt) {
    const std::string key = GpgTrayInstall::Recorded("10-import").input;
    std::string said;
    Run(GPGTRAY_ADD_KEY, key, [&] { said = AnswerBox(IDOK); });
    EXPECT_EQ(
        said,
        "1 key read: 1 imported, 0 changed, 0 left unchanged.\r\n  New: Erin <erin@example.org>");
    EXPECT_EQ(clipboard_.Text(), key);
}

// The Unicode clipboard carries the text to GnuPG as UTF-8 and back: the double answers only
// the recorded bytes.
TEST_F(GpgTrayWindowTest, TheChooserSignsATextInOtherScriptsWhichThenVerifies) {
    SetUnicodeClipboardText(scenario::kWorldText);
    SentCommand command(tray_, GPGTRAY_CHOOSE);
    const HWND chooser = Shown(kChooseCaption);
    ASSERT_NE(chooser, nullptr);
    PressButton(chooser, GPGTRAY_SIGN);
    ASSERT_TRUE(command.Finished());
    EXPECT_EQ(UnicodeClipboardText(), WithCrLf(GpgTrayInstall::Recorded("07-clearsign").output));
    SentCommand verify(tray_, GPGTRAY_DECRYPT_VERIFY);
    ASSERT_TRUE(verify.Finished());
    EXPECT_EQ(UnicodeClipboardText(), scenario::kWorldText);
}

TEST_F(GpgTrayWindowTest, PreferencesAndTheKeyWindowOpenAndTheKeyWindowCopiesAPublicKey) {
    Run(GPGTRAY_PROPERTIES, "", [&] {
        const HWND preferences = Shown(kPreferencesCaption);
        ASSERT_NE(preferences, nullptr);
        EXPECT_EQ(ItemText(preferences, IDC_GPG_PATH), GpgTrayInstall::Gpg());
        PressButton(preferences, IDCANCEL);
    });
    Run(GPGTRAY_TOOLS, "", [] {});
    const HWND keys = Shown(kKeysCaption);
    ASSERT_NE(keys, nullptr);
    ASSERT_EQ(SendDlgItemMessageA(keys, IDC_KEY_LIST, LB_GETCOUNT, 0, 0), 4);
    SendDlgItemMessageA(keys, IDC_KEY_LIST, LB_SETCURSEL, 1, 0);
    PressButton(keys, IDC_COPY_KEY);
    EXPECT_TRUE(WaitUntil([&] {
        return clipboard_.Text() == WithCrLf(GpgTrayInstall::Recorded("09-export").output);
    }));
}

TEST_F(GpgTrayWindowTest, AMissingGnuPGIsReportedAndTheClipboardLeftAsItWas) {
    GpgTrayInstall::Set("GpgPath", "C:\\Nowhere\\gpg.exe");
    std::string said;
    Run(GPGTRAY_SIGN, scenario::kMailBody, [&] { said = AnswerBox(IDOK); });
    EXPECT_EQ(said.rfind("GnuPG could not be started from \"C:\\Nowhere\\gpg.exe\".", 0), 0u)
        << said;
    EXPECT_EQ(clipboard_.Text(), scenario::kMailBody);
    Run(40001, scenario::kMailBody, [] {});
    EXPECT_EQ(clipboard_.Text(), scenario::kMailBody) << "an unknown command does nothing";
}

}  // namespace
