#include "win32/MessageDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/MessageBoxAnswerer.h"
#include "win/TestWindow.h"

namespace {

class MessageDialogHelp : public ::testing::Test {
protected:
    int Show(MsgDlgButtons buttons, int helpContext) {
        MessageDialog dialog({"Error", IDI_ERROR, "No mailers are running.", buttons, helpContext},
                             [this](HWND, int context) { opened.push_back(context); });
        return dialog.ShowModal(nullptr);
    }

    std::vector<int> opened;  // the help contexts opened, in turn
};

TEST_F(MessageDialogHelp, OpensTheContextAndLeavesTheDialogOpen) {
    MessageBoxAnswerer answerer({IDHELP, IDHELP, IDRETRY});
    const int answer = Show({MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Help}, 9003);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(opened, (std::vector<int>{9003, 9003}));
    EXPECT_EQ(seen->shownAfterPress, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(answer, IDRETRY);
}

TEST_F(MessageDialogHelp, WithoutAContextOpensNothing) {
    MessageBoxAnswerer answerer({IDHELP, IDYES});
    const int answer = Show({MsgDlgBtn::Yes, MsgDlgBtn::Help}, 0);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(seen->shownAfterPress.front());
    EXPECT_EQ(answer, IDYES);
}

// No to All and Help share the value 9; each button still does its own work.
TEST_F(MessageDialogHelp, IsToldApartFromNoToAllByItsButton) {
    MessageBoxAnswerer answerer({mrNoToAll});
    const int answer = Show({MsgDlgBtn::NoToAll, MsgDlgBtn::Help}, 9003);
    ASSERT_TRUE(answerer.Seen().has_value());
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(answer, mrNoToAll);
}

// Without an owner the dialog is modal to all of the thread's windows, as a task-modal
// message box is. Help runs while the dialog is open, so it looks at the other window.
TEST(MessageDialogModality, WithoutAnOwnerDisablesTheThreadsWindowsWhileItIsOpen) {
    TestWindow other(nullptr, 200, 100);
    ShowWindow(other.Get(), SW_SHOW);
    std::vector<bool> enabledWhileOpen;
    MessageBoxAnswerer answerer({IDHELP, IDOK});
    MessageDialog dialog(
        {"Information", IDI_INFORMATION, "Done.", {MsgDlgBtn::OK, MsgDlgBtn::Help}, 1},
        [&](HWND, int) { enabledWhileOpen.push_back(IsWindowEnabled(other.Get())); });
    dialog.ShowModal(nullptr);
    ASSERT_TRUE(answerer.Seen().has_value());
    EXPECT_EQ(enabledWhileOpen, (std::vector<bool>{false}));
    EXPECT_TRUE(IsWindowEnabled(other.Get())) << "enabled again once the dialog has closed";
}

TEST(MessageDialogText, LongTextWrapsInsideTheScreenAndKeepsEveryCharacter) {
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text += "word" + std::to_string(i) + " & more ";
    }
    text += "\r\nA last line with bytes \xE4\xF6\xFC.";
    MessageBoxAnswerer answerer;
    MessageDialog dialog({"Information", IDI_INFORMATION, text, {MsgDlgBtn::OK}, 0}, nullptr);
    dialog.ShowModal(nullptr);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, text);
    const RECT& r = seen->textRect;
    EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXSCREEN) / 2);
    EXPECT_GT(r.bottom - r.top, 4 * HIWORD(GetDialogBaseUnits()) / 2) << "several lines high";
}

}  // namespace
