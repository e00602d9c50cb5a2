#pragma once
// TfrmIndicator: one bar of the frame that marks a window of another program while the user
// is asked to confirm it. A borderless window in the highlight colour that stays on top of
// the others, never takes the focus, and goes away when it is clicked.

#include <windows.h>

#include "platform/WindowApi.h"
#include "win32/WindowProc.h"

class TfrmIndicator {
public:
    // Creates the bar hidden at that place of the screen.
    explicit TfrmIndicator(const ScreenRect& place);
    ~TfrmIndicator();
    TfrmIndicator(const TfrmIndicator&) = delete;
    TfrmIndicator& operator=(const TfrmIndicator&) = delete;

    // Shows the bar without activating it.
    void Show();

    // The bar's window; null once a click has removed it.
    HWND Handle() const { return window_; }

private:
    template <typename Window>
    friend LRESULT ForwardToWindow(const char*, HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
};
