#pragma once
// What the properties window owns besides its pages: the main tray icon TaskIcon1, the
// tools icon TaskIcon2 with its menu PopupMenu2, Timer1 and the clipboard receiver
// txtClipboardReceiver.

#include <windows.h>

#include <functional>
#include <string>

#include "win32/HelpFile.h"
#include "win32/TaskIcon.h"
#include "win32/Win32TipWindow.h"

class PropsTray {
public:
    static constexpr UINT_PTR kTimer1 = 1;

    // Makes both icons, still inactive, and starts Timer1 on the window. `showPropsWindow`
    // is the main icon's right click; the tip window takes the main icon away while it is
    // open.
    PropsTray(HWND window, std::function<void()> showPropsWindow, HelpOpener openHelp,
              Win32TipWindow& tipWindow);
    ~PropsTray();
    PropsTray(const PropsTray&) = delete;
    PropsTray& operator=(const PropsTray&) = delete;

    // Puts both icons into the notification area.
    void Activate();

    const TTaskIcon& TaskIcon1() const { return taskIcon1_; }
    const TTaskIcon& TaskIcon2() const { return taskIcon2_; }

    // The window's WM_TIMER for Timer1.
    void Timer1Timer();

private:
    void TaskIcon2RightClick(int x, int y);

    HWND window_;
    HelpOpener openHelp_;
    Win32TipWindow& tipWindow_;
    TTaskIcon taskIcon1_;
    TTaskIcon taskIcon2_;
};
