#include "win/EditMenuWindow.h"

UINT EditMenuWindow::lastCommand = 0;

namespace {

constexpr const char* kClassName = "TervaneEditMenuWindow";

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COMMAND) {
        return DefWindowProcA(frame, message, wParam, lParam);
    }
    EditMenuWindow::lastCommand = LOWORD(wParam);
    const HWND edit = GetWindow(frame, GW_CHILD);
    if (LOWORD(wParam) == EditMenuWindow::kSelectAll) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
    } else if (LOWORD(wParam) == EditMenuWindow::kCopy) {
        SendMessageA(edit, WM_COPY, 0, 0);
    }
    return 0;
}

HMENU EditMenuBar() {
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, EditMenuWindow::kSelectAll, "Select &All\tCtrl+A");
    AppendMenuA(edit, MF_STRING, EditMenuWindow::kCopy, "&Copy");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    return bar;
}

}  // namespace

EditMenuWindow::EditMenuWindow(const std::string& text) {
    static const ATOM registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = FrameProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassA(&wc);
    }();
    frame_ = CreateWindowExA(0, registered ? kClassName : nullptr, "Mail",
                             WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 600, 450, nullptr,
                             EditMenuBar(), GetModuleHandleA(nullptr), nullptr);
    edit_ = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0,
                            500, 350, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
}

EditMenuWindow::~EditMenuWindow() {
    DestroyWindow(frame_);
}
