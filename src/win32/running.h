#pragma once
// TfrmRunning: the progress window of one run. A borderless window that stays on top of
// all others, with the panel "PGP Running", a small picture and the bar ProgressBar1.

#include <windows.h>

#include "win32/WindowProc.h"

#include "platform/UserInterface.h"
#include "win32/GdiObject.h"
#include "win32/Hourglass.h"

class TfrmRunning : public IProgressWindow {
public:
    // Creates the window with its top-left corner there and shows it without taking the
    // focus, with its bar at 5. Over the window the cursor follows the hourglass.
    TfrmRunning(int left, int top, const Hourglass& hourglass);
    ~TfrmRunning() override;
    TfrmRunning(const TfrmRunning&) = delete;
    TfrmRunning& operator=(const TfrmRunning&) = delete;

    void SetPosition(int position) override;

    HWND Handle() const { return window_; }

private:
    template <typename Window>
    friend LRESULT ForwardToWindow(const char*, HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();

    const Hourglass& hourglass_;
    GdiObject<HFONT> font_;
    GdiObject<HBITMAP> picture_;
    HWND window_ = nullptr;
    HWND progressBar1_ = nullptr;
};
