#pragma once
// The program's own user interface as the core drives it: the progress window, the
// cursor, the message queue and the confirmation of another program's window.

#include <windows.h>

#include "platform/UserInterface.h"
#include "win32/Hourglass.h"

class Win32UserInterface : public IUserInterface {
public:
    std::unique_ptr<IProgressWindow> ShowRunningWindow(int left, int top) override;
    ScreenPoint CursorPos() override;
    void SetHourglass(bool on) override;
    void ProcessMessages() override;
    void WaitForMessages(int milliseconds) override;
    WindowId MainWindow() override;
    void Sleep(int milliseconds) override;
    bool AskAboutWindow(const IndicatorPlaces& places) override;

    // Names the program's main window once it exists.
    void SetMainWindow(HWND window) { mainWindow_ = window; }

private:
    Hourglass hourglass_;
    HWND mainWindow_ = nullptr;
};
