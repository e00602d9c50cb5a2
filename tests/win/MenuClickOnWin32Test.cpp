#include <windows.h>

#include <gtest/gtest.h>

#include "mailers/menuclck.h"
#include "win/OnWin32.h"
#include "win32/WindowHandle.h"

namespace {

constexpr UINT kSelectAll = 4711;
constexpr UINT kCopy = 4712;

UINT lastCommand = 0;

LRESULT CALLBACK RecordCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        lastCommand = LOWORD(wParam);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window whose menu bar holds "&Edit" with "Select &All\tCtrl+A" and "&Copy";
// it remembers the last command it handled.
class MenuWindow {
public:
    MenuWindow() {
        static const ATOM registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = RecordCommand;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "TervaneMenuTestWindow";
            return RegisterClassA(&wc);
        }();
        HMENU edit = CreatePopupMenu();
        AppendMenuA(edit, MF_STRING, kSelectAll, "Select &All\tCtrl+A");
        AppendMenuA(edit, MF_STRING, kCopy, "&Copy");
        HMENU bar = CreateMenu();
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
        window_ = registered ? CreateWindowExA(0, "TervaneMenuTestWindow", "Menu test",
                                               WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, bar,
                                               GetModuleHandleA(nullptr), nullptr)
                             : nullptr;
    }
    ~MenuWindow() { DestroyWindow(window_); }
    MenuWindow(const MenuWindow&) = delete;
    MenuWindow& operator=(const MenuWindow&) = delete;

    WindowId Id() const { return ToWindowId(window_); }

private:
    HWND window_ = nullptr;
};

class MenuClickOnWin32 : public OnWin32 {
protected:
    MenuClickOnWin32() { lastCommand = 0; }
    MenuWindow window;
};

TEST_F(MenuClickOnWin32, SendsTheCommandOfTheItemThatContainsTheText) {
    ASSERT_NE(window.Id(), WindowId{0});
    EXPECT_EQ(ChooseMenuCommand(window.Id(), "&Edit", "Select &All", ""), "");
    EXPECT_EQ(lastCommand, kSelectAll);
    EXPECT_EQ(ChooseMenuCommand(window.Id(), "&Edit", "&Copy", ""), "");
    EXPECT_EQ(lastCommand, kCopy);
}

TEST_F(MenuClickOnWin32, AMissingItemSendsNothing) {
    EXPECT_EQ(ChooseMenuCommand(window.Id(), "&Edit", "&Paste", ""), "&Paste");
    EXPECT_EQ(ChooseMenuCommand(window.Id(), "&View", "&Copy", ""), "&View");
    EXPECT_EQ(lastCommand, 0u);
}

}  // namespace
