#include "win32/Win32Application.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(Win32ApplicationTest, TerminatePostsTheQuitMessageAndIsRemembered) {
    Win32Application application;
    EXPECT_FALSE(application.Terminating());
    application.Terminate();
    EXPECT_TRUE(application.Terminating());
    // The quit request is already queued for this thread, behind anything else pending.
    MSG msg{};
    bool quit = false;
    while (!quit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        quit = msg.message == WM_QUIT;
    }
    ASSERT_TRUE(quit);
    EXPECT_EQ(msg.wParam, 0u);
}

}  // namespace
