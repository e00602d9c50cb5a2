// The confirmation of a window on real windows: where the bars and the panel stand around
// the window, how the panel is answered, and that a bar can be clicked away while the panel
// waits.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "mailers/ConfirmWindow.h"
#include "win/ModalDriver.h"
#include "win/OnWin32.h"
#include "win/TestWindow.h"
#include "win32/WindowHandle.h"

namespace {

constexpr const char* kQuestion = "Is this the correct Window?";

RECT ScreenRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

std::string Rect(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
}

// The shown bars of this process, by their places.
std::vector<std::string> BarPlaces() {
    std::vector<std::string> places;
    for (HWND bar = FindWindowExA(nullptr, nullptr, "TfrmIndicator", nullptr); bar;
         bar = FindWindowExA(nullptr, bar, "TfrmIndicator", nullptr)) {
        if (IsWindowVisible(bar)) {
            places.push_back(Rect(ScreenRectOf(bar)));
        }
    }
    std::sort(places.begin(), places.end());
    return places;
}

// A real click of the left mouse button at that point of the screen.
void ClickAt(int x, int y) {
    SetCursorPos(x, y);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
}

// The window that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &gui);
    return gui.hwndFocus;
}

bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 250 && !condition(); ++i) {
        Sleep(20);
    }
    return condition();
}

// A target window of 400 x 300 pixels at 100, 100.
class IndicatorTest : public OnWin32 {
protected:
    IndicatorTest() : target_(nullptr, 400, 300) {
        SetWindowPos(target_.Get(), nullptr, 100, 100, 400, 300, SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(target_.Get(), SW_SHOWNA);
    }

    // The answer of the panel driven so.
    bool Ask(std::function<void(HWND panel)> drive) {
        ModalDriver driver(kQuestion, std::move(drive));
        const bool answer = ConfirmWindow(ToWindowId(target_.Get()));
        EXPECT_TRUE(driver.Found());
        EXPECT_FALSE(driver.LeftOpen());
        EXPECT_TRUE(BarPlaces().empty()) << "the bars go with the panel";
        return answer;
    }

    TestWindow target_;
};

TEST_F(IndicatorTest, TheBarsFrameThreeEdgesAndThePanelCoversTheBottomOne) {
    EXPECT_TRUE(Ask([](HWND panel) {
        EXPECT_EQ(BarPlaces(),
                  (std::vector<std::string>{"100,100 400x6", "100,100 6x300", "494,100 6x300"}));
        EXPECT_EQ(Rect(ScreenRectOf(panel)), "100,340 400x60");
        EXPECT_TRUE(GetWindowLongPtrA(panel, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_EQ(GetWindowLongPtrA(panel, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
        EXPECT_EQ(Rect(ScreenRectOf(GetDlgItem(panel, IDYES))), "243,371 57x25");
        EXPECT_EQ(Rect(ScreenRectOf(GetDlgItem(panel, IDNO))), "300,371 57x25");
        EXPECT_TRUE(WaitFor([panel] { return FocusOf(panel) == GetDlgItem(panel, IDYES); }))
            << "the keyboard's Enter goes to Yes";
        SendMessageA(GetDlgItem(panel, IDYES), BM_CLICK, 0, 0);
    }));
}

TEST_F(IndicatorTest, OnlyYesMeansYes) {
    const struct {
        const char* how;
        std::function<void(HWND)> answer;
        bool yes;
    } cases[] = {
        {"Enter", [](HWND panel) { PostKey(GetDlgItem(panel, IDYES), VK_RETURN); }, true},
        {"Escape", [](HWND panel) { PostKey(GetDlgItem(panel, IDYES), VK_ESCAPE); }, false},
        {"No", [](HWND panel) { SendMessageA(GetDlgItem(panel, IDNO), BM_CLICK, 0, 0); }, false},
        {"closing", [](HWND panel) { PostMessageA(panel, WM_CLOSE, 0, 0); }, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Ask([&](HWND panel) {
                      c.answer(panel);
                      EXPECT_TRUE(WaitUntilClosed(panel));
                  }),
                  c.yes)
            << c.how;
    }
}

// A real click on the top bar. The tests beside this one share the desktop, and a window of
// theirs may cover the point for a moment: the click waits until the bar is the window at the
// point, and is made again while the bar stays, a few times at most.
bool ClickTopBarAway() {
    const POINT point{300, 103};
    const auto barAtPoint = [point] {
        char name[32] = "";
        GetClassNameA(WindowFromPoint(point), name, sizeof name);
        return std::string(name) == "TfrmIndicator";
    };
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (WaitFor(barAtPoint)) {
            ClickAt(point.x, point.y);
        }
        if (WaitFor([] { return BarPlaces().size() == 2; })) {
            return true;
        }
    }
    return false;
}

TEST_F(IndicatorTest, AClickOnABarRemovesThatBarWhileThePanelWaits) {
    EXPECT_TRUE(Ask([](HWND panel) {
        EXPECT_TRUE(ClickTopBarAway());
        EXPECT_EQ(BarPlaces(), (std::vector<std::string>{"100,100 6x300", "494,100 6x300"}));
        EXPECT_TRUE(IsShown(panel));
        SendMessageA(GetDlgItem(panel, IDYES), BM_CLICK, 0, 0);
    }));
}

}  // namespace
