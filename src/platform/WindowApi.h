#pragma once
// Questions about windows, the program's own and other programs'.

#include <cstdint>
#include <string>

// A window handle as it crosses the seam; 0 is no window.
using WindowId = std::uintptr_t;

// A menu handle as it crosses the seam; 0 is no menu.
using MenuId = std::uintptr_t;

// What the system gives as the identifier of a menu item that opens a submenu, or of an
// item that does not exist.
constexpr unsigned kNoMenuItemId = 0xFFFFFFFFu;

struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Window 0, and a window that no longer exists, are no window: every question about one has
// the empty answer ("", 0, false, an empty rectangle), and a command to one does nothing.
class IWindows {
public:
    virtual ~IWindows() = default;

    // True when the window itself is minimised (its ancestors are not looked at).
    virtual bool IsMinimised(WindowId window) = 0;

    // The window's parent (or owner, as the system's parent query gives it); 0 for none.
    virtual WindowId ParentOf(WindowId window) = 0;

    // The first window of the Z order among the window's siblings (GetWindow GW_HWNDFIRST);
    // for a top-level window, the topmost top-level window. 0 for none.
    virtual WindowId FirstInZOrder(WindowId window) = 0;

    // The sibling below the window in the Z order (GW_HWNDNEXT); 0 after the last.
    virtual WindowId NextInZOrder(WindowId window) = 0;

    // The window's topmost child (GW_CHILD); 0 for none.
    virtual WindowId FirstChild(WindowId window) = 0;

    // The window's caption, at most 99 characters; empty for no window.
    virtual std::string CaptionOf(WindowId window) = 0;

    // The window's class name, at most 99 characters; empty for no window.
    virtual std::string ClassNameOf(WindowId window) = 0;

    // The window's menu bar (GetMenu); 0 for none.
    virtual MenuId MenuBarOf(WindowId window) = 0;

    // The number of items of the menu; -1 for no menu.
    virtual int MenuItemCount(MenuId menu) = 0;

    // The text of the menu's item at the position, at most 127 characters; empty when there
    // is none.
    virtual std::string MenuItemText(MenuId menu, int position) = 0;

    // The submenu that the item at the position opens; 0 for none.
    virtual MenuId SubMenuAt(MenuId menu, int position) = 0;

    // The command identifier of the item at the position; kNoMenuItemId for an item that opens
    // a submenu and for no item.
    virtual unsigned MenuItemIdAt(MenuId menu, int position) = 0;

    // The size of the primary screen in pixels, as left 0, top 0, right, bottom.
    virtual ScreenRect Screen() = 0;

    // The window's rectangle on the screen, frame included.
    virtual ScreenRect Bounds(WindowId window) = 0;

    // Moves the window's top-left corner to the given screen position; its size stays.
    virtual void MoveTo(WindowId window, int left, int top) = 0;

    // The first top-level window whose class name is exactly className; 0 for none.
    virtual WindowId FindTopLevelByClass(const std::string& className) = 0;

    // Brings the window to the foreground (SetForegroundWindow).
    virtual void SetForeground(WindowId window) = 0;

    // Brings the window to the top of the Z order (BringWindowToTop).
    virtual void BringToTop(WindowId window) = 0;

    // Sends WM_COMMAND with the identifier as wParam and 0 as lParam and waits until the
    // window's program has handled it (SendMessageA).
    virtual void SendCommand(WindowId window, unsigned identifier) = 0;
};
