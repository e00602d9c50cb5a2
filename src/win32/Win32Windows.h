#pragma once
// Questions about windows, answered by user32.

#include "platform/WindowApi.h"

class Win32Windows : public IWindows {
public:
    bool IsMinimised(WindowId window) override;
    WindowId ParentOf(WindowId window) override;
    WindowId FirstInZOrder(WindowId window) override;
    WindowId NextInZOrder(WindowId window) override;
    WindowId FirstChild(WindowId window) override;
    std::string CaptionOf(WindowId window) override;
    std::string ClassNameOf(WindowId window) override;
    MenuId MenuBarOf(WindowId window) override;
    int MenuItemCount(MenuId menu) override;
    std::string MenuItemText(MenuId menu, int position) override;
    MenuId SubMenuAt(MenuId menu, int position) override;
    unsigned MenuItemIdAt(MenuId menu, int position) override;
    ScreenRect Screen() override;
    ScreenRect Bounds(WindowId window) override;
    void MoveTo(WindowId window, int left, int top) override;
    WindowId FindTopLevelByClass(const std::string& className) override;
    void SetForeground(WindowId window) override;
    void BringToTop(WindowId window) override;
    std::uint32_t StyleOf(WindowId window) override;
    bool IsUnicode(WindowId window) override;
    int TextLength(WindowId window) override;
    std::string TextByMessage(WindowId window, int bufferChars) override;
    CodePageText UnicodeTextByMessage(WindowId window) override;
    void SetTextByMessage(WindowId window, const std::string& text) override;
    void SendCommand(WindowId window, unsigned identifier) override;
};
