#include "win/ModalDriver.h"

#include <utility>

namespace {

template <typename Condition>
bool WaitFor(Condition condition, ULONGLONG milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

}  // namespace

ModalDriver::ModalDriver(std::string caption, std::function<void(HWND dialog)> drive)
    : thread_([this, caption = std::move(caption), drive = std::move(drive)] {
          Drive(caption, drive);
      }) {}

ModalDriver::~ModalDriver() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool ModalDriver::Found() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return found_;
}

bool ModalDriver::LeftOpen() {
    Found();
    return leftOpen_;
}

void ModalDriver::Drive(const std::string& caption, const std::function<void(HWND)>& drive) {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindShownDialog(caption.c_str())) != nullptr; }, 20000)) {
        // A dialog under another caption would keep the test waiting for ever.
        if (const HWND other = FindShownDialog(nullptr)) {
            PostMessageA(other, WM_COMMAND, IDCANCEL, 0);
        }
        return;
    }
    found_ = true;
    drive(dialog);
    if (IsShown(dialog)) {
        leftOpen_ = true;
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

// The dialog is looked for only once it is visible: the system shows it after it has been
// laid out and filled.
HWND FindShownDialog(const char* caption) {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExA(nullptr, dialog, "#32770", caption)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(dialog, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(dialog)) {
            return dialog;
        }
    }
    return nullptr;
}

bool IsShown(HWND dialog) {
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

bool WaitUntilClosed(HWND dialog) {
    return WaitFor([dialog] { return !IsShown(dialog); }, 5000);
}

void PostKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}
