#include "TextWindow.h"

#include <windows.h>

namespace {

constexpr const char* kClassName = "PGPStandinTextWindow";
constexpr int kEditId = 1;

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            const HWND edit = CreateWindowExA(
                WS_EX_CLIENTEDGE, "EDIT", "",
                WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY, 0, 0,
                0, 0, window, reinterpret_cast<HMENU>(kEditId), nullptr, nullptr);
            SendMessageA(edit, WM_SETFONT,
                         reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
            // The default limit of a multi-line edit would cut long texts.
            SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
            return edit ? 0 : -1;
        }
        case WM_SIZE:
            MoveWindow(GetDlgItem(window, kEditId), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool RegisterTextWindowClass() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TextWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0;
    }();
    return registered;
}

HWND OpenTextWindow(const char* caption) {
    const HWND open = FindWindowA(kClassName, caption);
    if (open || !RegisterTextWindowClass()) {
        return open;
    }
    return CreateWindowExA(0, kClassName, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                           CW_USEDEFAULT, 520, 360, nullptr, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

}  // namespace

bool ShowTextWindow(const char* caption, const std::string& text) {
    const HWND window = OpenTextWindow(caption);
    if (!window) {
        return false;
    }
    SetDlgItemTextA(window, kEditId, text.c_str());
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    return true;
}
