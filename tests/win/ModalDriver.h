#pragma once
// Drives a modal dialog of this process from a thread of its own, as a user would: waits (up
// to 20 seconds) for the shown dialog of that caption and hands it to `drive`. A dialog that
// `drive` leaves open is closed with Cancel, and so is any other dialog shown instead, so that
// the test goes on.

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

class ModalDriver {
public:
    ModalDriver(std::string caption, std::function<void(HWND dialog)> drive);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Wait for the driving thread: whether the dialog came, and whether `drive` left it open.
    bool Found();
    bool LeftOpen();

private:
    void Drive(const std::string& caption, const std::function<void(HWND)>& drive);

    bool found_ = false;
    bool leftOpen_ = false;
    std::thread thread_;
};

// A shown dialog of this process with that caption (null: any caption); null for none.
HWND FindShownDialog(const char* caption);

// Whether the dialog is still on the screen.
bool IsShown(HWND dialog);

// Waits up to 5 seconds for the dialog to go; whether it went.
bool WaitUntilClosed(HWND dialog);

// Posts a key press to the control, as the keyboard does: through the dialog's message loop.
void PostKey(HWND control, WPARAM key);
