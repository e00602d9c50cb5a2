#include "win32/Win32Windows.h"

#include <gtest/gtest.h>

#include "win/TestWindow.h"
#include "win32/WindowHandle.h"

namespace {

class Win32WindowsTest : public ::testing::Test {
protected:
    Win32Windows windows;
    TestWindow top{nullptr, 301, 201};
    TestWindow child{top.Get(), 120, 80};
};

TEST_F(Win32WindowsTest, ParentOfAChildIsItsParentAndOfATopLevelWindowNone) {
    ASSERT_NE(child.Get(), nullptr);
    EXPECT_EQ(windows.ParentOf(ToWindowId(child.Get())), ToWindowId(top.Get()));
    EXPECT_EQ(windows.ParentOf(ToWindowId(top.Get())), WindowId{0});
}

TEST_F(Win32WindowsTest, IsMinimisedLooksAtTheWindowItselfOnly) {
    ShowWindow(top.Get(), SW_MINIMIZE);
    EXPECT_TRUE(windows.IsMinimised(ToWindowId(top.Get())));
    EXPECT_FALSE(windows.IsMinimised(ToWindowId(child.Get())));
    ShowWindow(top.Get(), SW_RESTORE);
    EXPECT_FALSE(windows.IsMinimised(ToWindowId(top.Get())));
}

TEST_F(Win32WindowsTest, MoveToKeepsTheSizeAndBoundsFollow) {
    windows.MoveTo(ToWindowId(top.Get()), 123, 45);
    const ScreenRect bounds = windows.Bounds(ToWindowId(top.Get()));
    EXPECT_EQ(bounds.left, 123);
    EXPECT_EQ(bounds.top, 45);
    EXPECT_EQ(bounds.Width(), 301);
    EXPECT_EQ(bounds.Height(), 201);
}

TEST_F(Win32WindowsTest, BoundsOfAChildAreInScreenCoordinates) {
    windows.MoveTo(ToWindowId(top.Get()), 200, 100);
    POINT origin{0, 0};
    ClientToScreen(top.Get(), &origin);
    const ScreenRect bounds = windows.Bounds(ToWindowId(child.Get()));
    // The child stands at 10, 10 in its parent's client area.
    EXPECT_EQ(bounds.left, origin.x + 10);
    EXPECT_EQ(bounds.top, origin.y + 10);
    EXPECT_EQ(bounds.Width(), 120);
    EXPECT_GT(bounds.left, 200);
}

}  // namespace
