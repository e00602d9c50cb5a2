#pragma once
// The tray program's hidden top-level window, to which senders deliver the commands as
// WM_COMMAND. Each is carried out inside the window procedure, dialogs included, so that a
// sender's SendMessage returns only when the command is over.

#include <windows.h>

#include "gpgtray/core/TrayProgram.h"

namespace gpgtray {

class TrayWindow {
public:
    // Throws when the window cannot be made.
    explicit TrayWindow(HINSTANCE instance);
    ~TrayWindow();
    TrayWindow(const TrayWindow&) = delete;
    TrayWindow& operator=(const TrayWindow&) = delete;

    HWND Handle() const { return window_; }

    // From now on, the commands go to the program.
    void Serve(TrayProgram& program) { program_ = &program; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(unsigned id);

    HWND window_ = nullptr;
    TrayProgram* program_ = nullptr;
};

}  // namespace gpgtray
