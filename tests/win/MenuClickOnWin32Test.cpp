#include <windows.h>

#include <gtest/gtest.h>

#include "mailers/menuclck.h"
#include "win/EditMenuWindow.h"
#include "win/OnWin32.h"
#include "win32/WindowHandle.h"

namespace {

class MenuClickOnWin32 : public OnWin32 {
protected:
    MenuClickOnWin32() { EditMenuWindow::lastCommand = 0; }

    WindowId Id() const { return ToWindowId(window.Get()); }

    EditMenuWindow window;
};

TEST_F(MenuClickOnWin32, SendsTheCommandOfTheItemThatContainsTheText) {
    ASSERT_NE(Id(), WindowId{0});
    EXPECT_EQ(ChooseMenuCommand(Id(), "&Edit", "Select &All", ""), "");
    EXPECT_EQ(EditMenuWindow::lastCommand, EditMenuWindow::kSelectAll);
    EXPECT_EQ(ChooseMenuCommand(Id(), "&Edit", "&Copy", ""), "");
    EXPECT_EQ(EditMenuWindow::lastCommand, EditMenuWindow::kCopy);
}

TEST_F(MenuClickOnWin32, AMissingItemSendsNothing) {
    EXPECT_EQ(ChooseMenuCommand(Id(), "&Edit", "&Paste", ""), "&Paste");
    EXPECT_EQ(ChooseMenuCommand(Id(), "&View", "&Copy", ""), "&View");
    EXPECT_EQ(EditMenuWindow::lastCommand, 0u);
}

}  // namespace
