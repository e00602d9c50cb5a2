// The internal driver on real windows: a window of this process whose text is copied through
// its Edit menu (Wine lets no other process walk a menu), and the text of another
// program's Unicode window that the system's code page cannot hold.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/MFDData.h"
#include "mailers/InternalDriver.h"
#include "mailers/MFDDirectory.h"
#include "mailers/TargetText.h"
#include "win/EditMenuWindow.h"
#include "win/MessageBoxAnswerer.h"
#include "win/ModalDriver.h"
#include "win/OnWin32.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win/TestWindow.h"
#include "win32/Win32Clipboard.h"

namespace {

constexpr const char* kQuestion = "Is this the correct Window?";
const std::string kMessage = "Dear Bob,\r\nsee you on Thursday.\r\nAlice";

void PressYes(HWND panel) {
    SendMessageA(GetDlgItem(panel, IDYES), BM_CLICK, 0, 0);
}

// Presses OK on the message box, keeping its text in `text`.
std::function<void(HWND)> KeepTextAndPressOk(std::string& text) {
    return [&text](HWND box) {
        text = WindowText(GetDlgItem(box, 0xFFFF));
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    };
}

// The test directory is the drivers directory with class lists of the test's own; the
// program's main window is a hidden window of the test.
class InternalDriverOnWin32 : public OnWin32 {
protected:
    InternalDriverOnWin32() : main_(nullptr, 50, 50) {
        std::string directory = TestDir::kPath;
        directory.pop_back();
        Mailers().directory = directory;
        win32.ui.SetMainWindow(main_.Get());
    }

    static void ClassLists(const std::string& selAll, const std::string& getSet) {
        PutFile(TestDir::File("SelAll.AC"), selAll);
        PutFile(TestDir::File("GetSet.AC"), getSet);
    }

    static TMFDData Reply() {
        TMFDData reply;
        ReadMFDFile(Exchange(), reply);
        return reply;
    }

    static std::string Exchange() { return TestDir::File("tmpmfd.tmp"); }

    Win32Clipboard clipboard_;

private:
    TestWindow main_;
};

TEST_F(InternalDriverOnWin32, AMenuCopyWindowIsReadByItsEditMenuAndItsResultLeftOnTheClipboard) {
    ClassLists("Edit\r\n", "");
    EditMenuWindow frame(kMessage);
    clipboard_.SetText("an earlier decrypted message");
    {
        ModalDriver panel(kQuestion, PressYes);
        RunInternalDriver("read File=" + Exchange());
        EXPECT_TRUE(panel.Found());
    }
    EXPECT_EQ(Reply().Body, kMessage);
    EXPECT_EQ(Reply().Wtype, kWtypeOutgoing);

    TMFDData result;
    result.Body = "-----BEGIN PGP MESSAGE-----\r\nresult";
    result.HasBody = true;
    WriteMFDFile(result, Exchange());
    // The first dialog to come must be the message: no question before it.
    MessageBoxAnswerer answerer;
    RunInternalDriver("Write File=" + Exchange());
    const std::optional<SeenMessageBox> told = answerer.Seen();
    ASSERT_TRUE(told.has_value());
    EXPECT_EQ(told->caption, "Tervane 5");
    EXPECT_EQ(told->text, kResultOnClipboardForMenuCopy);
    EXPECT_EQ(clipboard_.Text(), result.Body);
    EXPECT_EQ(WindowText(frame.Edit()), kMessage);
}

TEST_F(InternalDriverOnWin32, AUnicodeWindowIsReadExactlyOrNotAtAll) {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "the texts are chosen for code page 1252";
    }
    ClassLists("", "Edit\r\n");
    const std::wstring text = L"Caf\u00e9 \u041f\u0440\u0438\u0432\u0435\u0442";  // Café Привет
    PutFile(TestDir::File("unicode.txt"),
            "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2));
    StandinProgram notepad("notepad.exe \"" + TestDir::File("unicode.txt") + "\"");
    const HWND window = notepad.WaitForWindow("Notepad");
    ASSERT_NE(window, nullptr);
    SetWindowPos(window, nullptr, 50, 50, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    const HWND edit = FindWindowExA(window, nullptr, "Edit", nullptr);
    ASSERT_TRUE(IsWindowUnicode(edit));

    std::string told;
    {
        ModalDriver panel(kQuestion, PressYes);
        ModalDriver box("Tervane 5", KeepTextAndPressOk(told));
        RunInternalDriver("read File=" + Exchange());
    }
    EXPECT_EQ(told, kTextNotInCodePage);
    EXPECT_FALSE(Reply().HasBody) << Reply().Body;
    EXPECT_EQ(Reply().Wtype, 0);

    SetWindowTextW(edit, L"Caf\u00e9 Bob");
    {
        ModalDriver panel(kQuestion, PressYes);
        RunInternalDriver("read File=" + Exchange());
    }
    EXPECT_EQ(Reply().Body, "Caf\xE9 Bob");
}

}  // namespace
