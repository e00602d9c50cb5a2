#include "win/MessageBoxAnswerer.h"

#include <vector>

namespace {

// A shown dialog window of this process. The box is looked for only once it is visible:
// the system shows it after its controls have their texts.
HWND FindShownBox() {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(box)) {
            return box;
        }
    }
    return nullptr;
}

std::vector<HWND> StaticControls(HWND box) {
    std::vector<HWND> found;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM list) -> BOOL {
            char className[32] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Static") == 0) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

SeenMessageBox Read(HWND box) {
    SeenMessageBox seen;
    seen.caption = TextOf(box);
    for (HWND control : StaticControls(box)) {
        if ((GetWindowLongPtrA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0));
        } else {
            seen.text += TextOf(control);
        }
    }
    return seen;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer(DWORD timeoutMs)
    : thread_([this, timeoutMs] { Answer(timeoutMs); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::optional<SeenMessageBox> MessageBoxAnswerer::Seen() {
    if (thread_.joinable()) {
        thread_.join();
    }
    return seen_;
}

void MessageBoxAnswerer::Answer(DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < deadline) {
        if (HWND box = FindShownBox()) {
            seen_ = Read(box);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
            return;
        }
        Sleep(20);
    }
}
