#include "win32/running.h"

#include <commctrl.h>

#include <stdexcept>

#include "win32/ControlIds.h"
#include "win32/Fonts.h"
#include "win32/Panel.h"
#include "win32/WindowClass.h"

namespace {

constexpr int kClientWidth = 137;
constexpr int kClientHeight = 23;
constexpr int kPictureSize = 13;
constexpr int kBarWidth = 115;
constexpr int kBarHeight = 13;
constexpr int kBarStart = 5;
constexpr const char* kClassName = "TfrmRunning";

// The picture: a small padlock on the panel's face.
HBITMAP CreateLockPicture() {
    const WindowDc screen;
    const MemoryDc memory(screen.Get());
    const HDC dc = memory.Get();
    const HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), kPictureSize, kPictureSize);
    const SelectedObject drawn(dc, bitmap);
    const RECT all{0, 0, kPictureSize, kPictureSize};
    FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));

    const GdiObject<HPEN> shackle(CreatePen(PS_SOLID, 2, RGB(96, 96, 96)));
    const GdiObject<HBRUSH> body(CreateSolidBrush(RGB(200, 160, 40)));
    const SelectedObject pen(dc, shackle.Get());
    const SelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 3, 1, 10, 9, 6, 6);
    const RECT bodyRect{1, 6, 12, 13};
    FillRect(dc, &bodyRect, body.Get());
    FrameRect(dc, &bodyRect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetPixel(dc, 6, 9, RGB(0, 0, 0));  // the keyhole
    SetPixel(dc, 6, 10, RGB(0, 0, 0));
    return bitmap;
}

HWND CreateChild(const char* className, const char* text, DWORD style, HWND parent, int id,
                 const RECT& place) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TfrmRunning::TfrmRunning(int left, int top, const Hourglass& hourglass)
    : hourglass_(hourglass), font_(MakeFont("MS Sans Serif", 8)), picture_(CreateLockPicture()) {
    static const ATOM registered =
        RegisterWindowClass(kClassName, WindowProc, GetSysColorBrush(COLOR_BTNFACE));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    // A tool window has no taskbar button; the window never takes the focus.
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                              registered ? kClassName : nullptr, "PGP Running",
                              WS_POPUP | WS_CLIPCHILDREN, left, top, kClientWidth, kClientHeight,
                              nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) {
        throw std::runtime_error("Cannot create the progress window");
    }
    CreateControls();
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

TfrmRunning::~TfrmRunning() {
    DestroyWindow(window_);
}

void TfrmRunning::CreateControls() {
    const RECT all{0, 0, kClientWidth, kClientHeight};
    const HWND panel2 = CreateChild(PanelClass(), "PGP Running", WS_BORDER | WS_CLIPCHILDREN,
                                    window_, kPnlPanel2, all);
    SendMessageA(panel2, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    const RECT inner = PanelInnerRect(panel2);
    const int pictureTop = inner.top + (inner.bottom - inner.top - kPictureSize) / 2;
    const HWND image =
        CreateChild("STATIC", "", SS_BITMAP, panel2, kImgRunningPicture,
                    {inner.left, pictureTop, inner.left + kPictureSize, pictureTop + kPictureSize});
    SendMessageA(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.Get()));
    const int barTop = inner.top + (inner.bottom - inner.top - kBarHeight) / 2;
    progressBar1_ =
        CreateChild(PROGRESS_CLASSA, "", 0, panel2, kPbProgressBar1,
                    {inner.right - kBarWidth, barTop, inner.right, barTop + kBarHeight});
    SendMessageA(progressBar1_, PBM_SETRANGE32, 0, 100);
    SendMessageA(progressBar1_, PBM_SETPOS, kBarStart, 0);
}

void TfrmRunning::SetPosition(int position) {
    SendMessageA(progressBar1_, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    // The run goes on with long work at once: the bar shows its new place now.
    UpdateWindow(progressBar1_);
}

LRESULT CALLBACK TfrmRunning::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToWindow<TfrmRunning>(kClassName, window, message, wParam, lParam);
}

LRESULT TfrmRunning::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (hourglass_.Keep(message)) {
        return TRUE;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
