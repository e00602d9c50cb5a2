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

// A window's text converted to the system's code page, and whether every character came
// across: a character that the code page cannot hold becomes a stand-in there.
struct CodePageText {
    std::string text;
    bool exact = true;
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

    // The window's style bits (GetWindowLongA with GWL_STYLE).
    virtual std::uint32_t StyleOf(WindowId window) = 0;

    // True when the window works in Unicode (IsWindowUnicode): what it gives as 8-bit text
    // is then a conversion.
    virtual bool IsUnicode(WindowId window) = 0;

    // The length of the window's text as it answers WM_GETTEXTLENGTH, asked in 8 bits.
    virtual int TextLength(WindowId window) = 0;

    // What the window copies into a buffer of `bufferChars` characters when sent WM_GETTEXT
    // in 8 bits (the count in the message's first parameter), without the terminating zero.
    virtual std::string TextByMessage(WindowId window, int bufferChars) = 0;

    // The window's whole text asked in Unicode (WM_GETTEXTLENGTH and WM_GETTEXT) and
    // converted to the system's code page without best-fit substitutes.
    virtual CodePageText UnicodeTextByMessage(WindowId window) = 0;

    // Replaces the window's text (WM_SETTEXT, 8 bits) and waits until its program has done so.
    virtual void SetTextByMessage(WindowId window, const std::string& text) = 0;

    // Sends WM_COMMAND with the identifier as wParam and 0 as lParam and waits until the
    // window's program has handled it (SendMessageA).
    virtual void SendCommand(WindowId window, unsigned identifier) = 0;
};
