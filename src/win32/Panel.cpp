#include "win32/Panel.h"

#include "win32/GdiObject.h"
#include "win32/WindowClass.h"

namespace {

// From the client edge inwards: the outer bevel, the border width, the inner bevel.
constexpr int kBevelWidth = 1;
constexpr int kBorderWidth = 1;

void Paint(HWND panel) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(panel, &ps);
    RECT r{};
    GetClientRect(panel, &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    InflateRect(&r, -(kBevelWidth + kBorderWidth), -(kBevelWidth + kBorderWidth));
    DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);

    char caption[256] = "";
    GetWindowTextA(panel, caption, sizeof caption);
    {
        const SelectedObject font(dc,
                                  reinterpret_cast<HFONT>(GetWindowLongPtrA(panel, GWLP_USERDATA)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        DrawTextA(dc, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    EndPaint(panel, &ps);
}

// The font is the caller's; the panel only remembers it.
LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(panel);
            return 0;
        case WM_SETFONT:
            SetWindowLongPtrA(panel, GWLP_USERDATA, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) {
                InvalidateRect(panel, nullptr, TRUE);
            }
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrA(panel, GWLP_USERDATA);
        default:
            return DefWindowProcA(panel, message, wParam, lParam);
    }
}

}  // namespace

const char* PanelClass() {
    static const ATOM registered = RegisterWindowClass("TPanel", PanelProc);
    return registered ? "TPanel" : nullptr;
}

RECT PanelInnerRect(HWND panel) {
    RECT r{};
    GetClientRect(panel, &r);
    const int inset = 2 * kBevelWidth + kBorderWidth;
    InflateRect(&r, -inset, -inset);
    return r;
}
