#include "win32/Win32UserInterface.h"

#include <windows.h>

#include "win32/IndicatorControl.h"
#include "win32/WindowHandle.h"
#include "win32/running.h"

std::unique_ptr<IProgressWindow> Win32UserInterface::ShowRunningWindow(int left, int top) {
    auto frmRunning = std::make_unique<TfrmRunning>(left, top, hourglass_);
    ProcessMessages();
    return frmRunning;
}

ScreenPoint Win32UserInterface::CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32UserInterface::SetHourglass(bool on) {
    hourglass_.Show(on);
}

void Win32UserInterface::ProcessMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The request to end belongs to the main message loop: it is put back for it.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32UserInterface::WaitForMessages(int milliseconds) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(milliseconds), QS_ALLINPUT);
    ProcessMessages();
}

WindowId Win32UserInterface::MainWindow() {
    return ToWindowId(mainWindow_);
}

void Win32UserInterface::Sleep(int milliseconds) {
    ::Sleep(static_cast<DWORD>(milliseconds));
}

// Each question has a panel of its own.
bool Win32UserInterface::AskAboutWindow(const IndicatorPlaces& places) {
    return TfrmIndicatorControl().Ask(places);
}
