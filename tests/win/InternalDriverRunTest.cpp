// The whole program with the internal driver alone in the Active list, on windows of
// programs that nobody here wrote: Wine's notepad (an edit control) and wordpad (a rich
// edit control), with the PGP tray stand-in in place of PGP. The user answers the
// program's question by pressing the panel's buttons.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win/InstalledProgram.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win32/Win32Clipboard.h"

namespace {

constexpr const char* kQuestion = "Is this the correct Window?";
constexpr const char* kEncryptedBegin = "-----BEGIN PGP MESSAGE-----";
constexpr const char* kWordpad = "C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe";
const std::string kBody = "Hello Bob,\r\n\r\nsee you on Thursday.\r\nAlice";

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// A shown top-level dialog of the process with that caption, once it is there; null when
// none comes within the time limit.
HWND WaitForDialog(const StandinProgram& program, const char* caption) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND dialog : program.TopLevelWindows(true, "#32770")) {
                if (WindowText(dialog) == caption) {
                    found = dialog;
                    return true;
                }
            }
            return false;
        },
        20000);
    return found;
}

// The installed program with the internal driver's script and class lists in the drivers
// directory, and that driver alone in the Active list.
class InternalDriverRunTest : public ::testing::Test {
protected:
    InternalDriverRunTest() {
        for (const char* file : {"AnyWindow.mfs", "GetSet.AC", "SelAll.AC"}) {
            CopyFileA(StandinPath(std::string("drivers\\") + file).c_str(),
                      InstalledProgram::File(file).c_str(), FALSE);
        }
        PutFile(InstalledProgram::File("ActiveMailers.dat"),
                "Any window (internal driver)" + std::string(200, ' ') + "AnyWindow.mfs\r\n");
    }

    // The editor started on a file holding the text and made large, and its text window.
    HWND StartEditor(const std::string& commandLine, const char* frameClass, const char* textClass,
                     const std::string& text) {
        const std::string file = InstalledProgram::File("message.txt");
        PutFile(file, text);
        editor_ = std::make_unique<StandinProgram>(commandLine + " \"" + file + "\"");
        frame_ = editor_->WaitForWindow(frameClass);
        SetWindowPos(frame_, nullptr, 40, 40, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
        return FindWindowExA(frame_, nullptr, textClass, nullptr);
    }

    // Starts the program and clicks its main icon with the editor in front.
    void StartAndClick() {
        program_ = InstalledProgram::Start();
        const std::vector<HWND> icons = InstalledProgram::WaitForTrayIcons(*program_);
        ASSERT_EQ(icons.size(), 2u) << "no tray icons";
        InstalledProgram::ClickMainIcon(icons, frame_);
    }

    // Presses the button of the program's question once it is asked; false when it is not.
    bool Answer(int button) {
        const HWND panel = WaitForDialog(*program_, kQuestion);
        if (!panel) {
            return false;
        }
        SendMessageA(GetDlgItem(panel, button), BM_CLICK, 0, 0);
        return WaitUntil([panel] { return !IsWindow(panel); }, 10000);
    }

    std::vector<std::string> PGPCommands() const {
        try {
            return pgp_.CommandLines();
        } catch (const std::exception&) {
            return {};  // no command yet
        }
    }

    InstalledProgram install_;
    PGPTrayStandin pgp_;
    std::unique_ptr<StandinProgram> editor_;
    HWND frame_ = nullptr;
    std::unique_ptr<StandinProgram> program_;
};

TEST_F(InternalDriverRunTest, NotepadsTextIsEncryptedInPlaceOnceTheUserSaysYesTwice) {
    const HWND edit = StartEditor("notepad.exe", "Notepad", "Edit", kBody);
    ASSERT_NE(edit, nullptr);
    StartAndClick();
    ASSERT_TRUE(Answer(IDYES)) << "the question before the read";
    ASSERT_TRUE(Answer(IDYES)) << "the question before the write";
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(WindowText(edit), kEncryptedBegin); }))
        << WindowText(edit) << InstalledProgram::DebugLog();
    EXPECT_EQ(PGPCommands(), std::vector<std::string>{"40017 -AutoEncrypt"});
}

TEST_F(InternalDriverRunTest, NoLeavesNotepadAloneAndTheRunEndsAsAFailedRead) {
    const HWND edit = StartEditor("notepad.exe", "Notepad", "Edit", kBody);
    ASSERT_NE(edit, nullptr);
    StartAndClick();
    ASSERT_TRUE(Answer(IDNO));
    const HWND box = WaitForDialog(*program_, "Tervane 5");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(box, 0xFFFF)), "Couldn't get data from your e-mail program");
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil(
        [] { return InstalledProgram::DebugLog().find("MainPGP-End") != std::string::npos; }));
    EXPECT_EQ(WindowText(edit), kBody);
    EXPECT_TRUE(PGPCommands().empty());
}

TEST_F(InternalDriverRunTest, AnEncryptedMessageInNotepadIsDecryptedAndShownByPGP) {
    Win32Clipboard clipboard;
    clipboard.SetText(kBody);
    ASSERT_TRUE(pgp_.Send(40017));
    const std::string encrypted = clipboard.Text();
    ASSERT_TRUE(StartsWith(encrypted, kEncryptedBegin));
    ASSERT_NE(StartEditor("notepad.exe", "Notepad", "Edit", encrypted), nullptr);
    StartAndClick();
    ASSERT_TRUE(Answer(IDYES));
    const HWND shown = pgp_.WaitForWindow("PGPStandinTextWindow", "PGP Stand-in - Decrypted text");
    ASSERT_NE(shown, nullptr) << InstalledProgram::DebugLog();
    EXPECT_EQ(WindowText(GetWindow(shown, GW_CHILD)), kBody);
    EXPECT_EQ(PGPCommands(),
              (std::vector<std::string>{"40017 -AutoEncrypt", "40008 -AutoDecryptVerify"}));
}

TEST_F(InternalDriverRunTest, WordpadsRichEditIsReadAndWrittenByMessage) {
    const HWND rich =
        StartEditor(std::string("\"") + kWordpad + "\"", "WORDPADTOP", "RichEdit20W", kBody);
    ASSERT_NE(rich, nullptr);
    StartAndClick();
    ASSERT_TRUE(Answer(IDYES));
    ASSERT_TRUE(Answer(IDYES));
    EXPECT_TRUE(WaitUntil([&] { return StartsWith(WindowText(rich), kEncryptedBegin); }))
        << WindowText(rich) << InstalledProgram::DebugLog();
    EXPECT_EQ(PGPCommands(), std::vector<std::string>{"40017 -AutoEncrypt"});
}

}  // namespace
