#include "win32/TaskIcon.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/error.h"
#include "win/MessageBoxAnswerer.h"
#include "win/NotificationArea.h"
#include "win/OnWin32.h"

namespace {

constexpr UINT kId = 7;

// Handles what has been posted to this thread's windows.
void HandlePosted() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&msg);
    }
}

class TaskIconTest : public OnWin32 {
protected:
    TaskIconTest() {
        icon.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
        icon.SetToolTip("Tervane 5");
        icon.SetTaskIconID(kId);
    }

    void Post(UINT id, UINT mouseMessage) {
        PostMessageA(icon.Handle(), TTaskIcon::kCallbackMessage, id, mouseMessage);
        HandlePosted();
    }

    TTaskIcon icon;
};

TEST_F(TaskIconTest, ActivationPutsTheIconIntoTheAreaAndDeactivationTakesItOut) {
    ASSERT_FALSE(InTheNotificationArea(icon.Handle(), kId));
    icon.SetActive(true);
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(InTheNotificationArea(icon.Handle(), kId));
    EXPECT_FALSE(InTheNotificationArea(icon.Handle(), kId + 1));

    icon.SetActive(false);
    EXPECT_FALSE(icon.Active());
    EXPECT_FALSE(InTheNotificationArea(icon.Handle(), kId));
}

TEST_F(TaskIconTest, DestructionTakesTheIconOut) {
    HWND window = nullptr;
    {
        TTaskIcon other;
        other.SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
        other.SetActive(true);
        ASSERT_TRUE(InTheNotificationArea(other.Handle(), 0));
        window = other.Handle();
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(InTheNotificationArea(window, 0));
}

// A new identifier while active goes to the area as an update of an icon that it does not
// know: the icon stays under its old identifier, which deactivation still removes.
TEST_F(TaskIconTest, DeactivationRemovesTheIconThatActivationAdded) {
    icon.SetActive(true);
    icon.SetTaskIconID(kId + 1);
    EXPECT_TRUE(InTheNotificationArea(icon.Handle(), kId));
    icon.SetActive(false);
    EXPECT_FALSE(icon.Active());
    EXPECT_FALSE(InTheNotificationArea(icon.Handle(), kId));
}

TEST_F(TaskIconTest, ALongToolTipIsCutTo63Characters) {
    const std::string seventy(70, 'x');
    icon.SetToolTip(seventy);
    EXPECT_EQ(icon.ToolTip(), seventy.substr(0, 63));
    icon.SetActive(true);
    EXPECT_TRUE(InTheNotificationArea(icon.Handle(), kId));
    icon.SetToolTip("Tervane Tools");
    EXPECT_EQ(icon.ToolTip(), "Tervane Tools");
    icon.SetActive(false);
}

// A new taskbar has none of the old icons: the icon puts itself back.
TEST_F(TaskIconTest, ANewTaskbarGetsTheIconBack) {
    icon.SetActive(true);
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = icon.Handle();
    record.uID = kId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));

    SendMessageA(icon.Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(InTheNotificationArea(icon.Handle(), kId));
    icon.SetActive(false);
    EXPECT_FALSE(InTheNotificationArea(icon.Handle(), kId));
}

// At a start at logon the area may refuse the icon; here it refuses because an icon of the
// same window and id is there already. The icon comes in with the next taskbar.
TEST_F(TaskIconTest, AnIconTheAreaRefusedComesInWithTheNextTaskbar) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = icon.Handle();
    record.uID = kId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &record));
    icon.SetActive(true);
    ASSERT_FALSE(icon.Active());
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &record));

    SendMessageA(icon.Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(icon.Active());
    EXPECT_TRUE(InTheNotificationArea(icon.Handle(), kId));
    icon.SetActive(false);
}

TEST_F(TaskIconTest, AnInactiveIconStaysOutWhenATaskbarIsCreated) {
    SendMessageA(icon.Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_FALSE(icon.Active());
    EXPECT_FALSE(InTheNotificationArea(icon.Handle(), kId));
}

struct NotificationCase {
    const char* name;
    UINT id;
    UINT mouseMessage;
    const char* event;  // empty: no event
};

class TaskIconNotification : public TaskIconTest,
                             public ::testing::WithParamInterface<NotificationCase> {};

TEST_P(TaskIconNotification, RaisesTheEventOfTheMouseAction) {
    std::vector<std::string> events;
    POINT rightClickAt{-1, -1};
    icon.OnClick = [&] { events.push_back("click"); };
    icon.OnDblClick = [&] { events.push_back("double click"); };
    icon.OnRightClick = [&](int x, int y) {
        events.push_back("right click");
        rightClickAt = {x, y};
    };
    SetCursorPos(123, 234);
    POINT cursor{};
    GetCursorPos(&cursor);

    Post(GetParam().id, GetParam().mouseMessage);

    const std::string expected = GetParam().event;
    if (expected.empty()) {
        EXPECT_TRUE(events.empty()) << events.front();
    } else {
        EXPECT_EQ(events, std::vector<std::string>{expected});
    }
    if (expected == "right click") {
        EXPECT_EQ(rightClickAt.x, cursor.x);
        EXPECT_EQ(rightClickAt.y, cursor.y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, TaskIconNotification,
    ::testing::Values(NotificationCase{"LeftUp", kId, WM_LBUTTONUP, "click"},
                      NotificationCase{"LeftDouble", kId, WM_LBUTTONDBLCLK, "double click"},
                      NotificationCase{"RightUp", kId, WM_RBUTTONUP, "right click"},
                      NotificationCase{"LeftDown", kId, WM_LBUTTONDOWN, ""},
                      NotificationCase{"RightDown", kId, WM_RBUTTONDOWN, ""},
                      NotificationCase{"MouseMove", kId, WM_MOUSEMOVE, ""},
                      NotificationCase{"OtherIconLeftUp", kId + 1, WM_LBUTTONUP, ""},
                      NotificationCase{"OtherIconRightUp", 0, WM_RBUTTONUP, ""}),
    [](const ::testing::TestParamInfo<NotificationCase>& info) {
        return std::string(info.param.name);
    });

// The handler's error reaches the application's handler, which shows and logs it; the
// icon goes on serving clicks.
TEST_F(TaskIconTest, AnErrorInAHandlerIsReportedAndGoesNoFurther) {
    int clicks = 0;
    icon.OnClick = [&] {
        ++clicks;
        throw std::runtime_error("Access violation");
    };
    Checkpoint() = 5555;
    std::optional<SeenMessageBox> seen;
    {
        MessageBoxAnswerer answerer;
        EXPECT_NO_THROW(Post(kId, WM_LBUTTONUP));
        seen = answerer.Seen();
    }
    ASSERT_TRUE(seen.has_value()) << "no report was shown";
    EXPECT_EQ(seen->text, "Error in TTaskIcon.5555 with UH Access violation");
    EXPECT_NE(FileContent(TestDir::File("DebugLog.Txt"))
                  .find(": Error in TTaskIcon.5555 with UH Access violation\r\n"),
              std::string::npos);

    icon.OnClick = [&] { ++clicks; };
    Post(kId, WM_LBUTTONUP);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
