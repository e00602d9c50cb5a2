// frmRunning as the user interface shows it, and the other services of the user interface.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "core/running.h"
#include "win/OnWin32.h"
#include "win/TestWindow.h"
#include "win32/Win32UserInterface.h"

namespace {

HWND FindRunningWindow() {
    return FindWindowA("TfrmRunning", nullptr);
}

HWND Child(HWND parent, const char* className) {
    return FindWindowExA(parent, nullptr, className, nullptr);
}

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

class RunningWindow : public ::testing::Test {
protected:
    Win32UserInterface ui;
};

TEST_F(RunningWindow, IsABorderlessTopmostWindowOfItsSizeAtThePlaceGiven) {
    const auto frmRunning = ui.ShowRunningWindow(100, 200);
    const HWND window = FindRunningWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 137);
    EXPECT_EQ(client.bottom, 23);
    const RECT r = ScreenRectOf(window);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 200);
}

TEST_F(RunningWindow, HoldsThePanelWithThePictureAndTheBarAtFiveOnItsRight) {
    const auto frmRunning = ui.ShowRunningWindow(100, 200);
    const HWND panel = Child(FindRunningWindow(), "TPanel");
    ASSERT_NE(panel, nullptr);
    char caption[64] = "";
    GetWindowTextA(panel, caption, sizeof caption);
    EXPECT_STREQ(caption, "PGP Running");
    EXPECT_EQ(ScreenRectOf(panel).right - ScreenRectOf(panel).left, 137);

    const HWND bar = Child(panel, PROGRESS_CLASSA);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 5);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 100);
    const RECT b = ScreenRectOf(bar);
    EXPECT_EQ(b.right - b.left, 115);
    EXPECT_EQ(b.bottom - b.top, 13);

    const HWND picture = Child(panel, "Static");
    ASSERT_NE(picture, nullptr);
    const RECT p = ScreenRectOf(picture);
    EXPECT_EQ(p.right - p.left, 13);
    EXPECT_LE(p.right, b.left) << "the picture stands left of the bar";
    EXPECT_NE(SendMessageA(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

TEST_F(RunningWindow, SetPositionMovesTheBarAndTheWindowGoesWithItsObject) {
    auto frmRunning = ui.ShowRunningWindow(10, 10);
    const HWND window = FindRunningWindow();
    const HWND bar = Child(Child(window, "TPanel"), PROGRESS_CLASSA);
    frmRunning->SetPosition(60);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 60);
    frmRunning.reset();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(RunningWindow, DoesNotTakeTheFocusFromTheActiveWindow) {
    TestWindow active(nullptr, 200, 100);
    ShowWindow(active.Get(), SW_SHOW);
    SetForegroundWindow(active.Get());
    SetActiveWindow(active.Get());
    ASSERT_EQ(GetActiveWindow(), active.Get());
    const auto frmRunning = ui.ShowRunningWindow(300, 300);
    EXPECT_EQ(GetActiveWindow(), active.Get());
}

TEST_F(RunningWindow, ShowsTheHourglassOverItWhileItIsOn) {
    const auto frmRunning = ui.ShowRunningWindow(300, 300);
    const HWND window = FindRunningWindow();
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    ui.SetHourglass(true);
    SetCursor(LoadCursorA(nullptr, IDC_CROSS));
    SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), overClient);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_WAIT));
    ui.SetHourglass(false);
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, IDC_ARROW));
}

// Where the window opens for a cursor at the corners of the 1024 x 768 desktop: 50 pixels
// inside the right and bottom edges, at least its size plus 50 from the left and top.
struct CornerCase {
    const char* name;
    POINT cursor;
    POINT expected;
};

class RunningWindowPlacement : public OnWin32, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(RunningWindowPlacement, KeepsTheWindowInsideTheScreen) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    const CornerCase& c = GetParam();
    ASSERT_TRUE(SetCursorPos(c.cursor.x, c.cursor.y));
    const auto frmRunning = ShowRunningWindow();
    const RECT r = ScreenRectOf(FindRunningWindow());
    EXPECT_EQ(r.left, c.expected.x);
    EXPECT_EQ(r.top, c.expected.y);
}

INSTANTIATE_TEST_SUITE_P(Corners, RunningWindowPlacement,
                         ::testing::Values(CornerCase{"TopLeft", {0, 0}, {187, 73}},
                                           CornerCase{"TopRight", {1023, 0}, {837, 73}},
                                           CornerCase{"BottomLeft", {0, 767}, {187, 695}},
                                           CornerCase{"BottomRight", {1023, 767}, {837, 695}},
                                           CornerCase{"Inside", {400, 300}, {400, 300}}),
                         [](const ::testing::TestParamInfo<CornerCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ProcessMessages, DispatchesWhatIsPendingAndLeavesTheQuitRequestForTheMainLoop) {
    TestWindow closing(nullptr, 100, 100);
    PostMessageA(closing.Get(), WM_CLOSE, 0, 0);
    PostQuitMessage(7);
    Win32UserInterface().ProcessMessages();
    EXPECT_FALSE(IsWindow(closing.Get())) << "the close request was not handled";
    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

}  // namespace
