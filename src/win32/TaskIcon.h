#pragma once
// TTaskIcon: one icon in the taskbar's notification area, with the mouse actions on it as
// events. A hidden window of its own receives the notifications; it is never shown.

#include <windows.h>

#include "win32/WindowProc.h"

#include <shellapi.h>  // needs windows.h first

#include <cstddef>
#include <functional>
#include <string>

#include "win32/GdiObject.h"

class TTaskIcon {
public:
    // The notification that the area sends for a mouse action on the icon.
    static constexpr UINT kCallbackMessage = WM_USER;
    // The area shows at most this many characters of the tool tip.
    static constexpr std::size_t kToolTipLength = 63;

    // Inactive, without a picture or a tool tip, identifier 0.
    TTaskIcon();
    // Takes the icon out of the area when it is there, then releases the picture.
    ~TTaskIcon();
    TTaskIcon(const TTaskIcon&) = delete;
    TTaskIcon& operator=(const TTaskIcon&) = delete;

    // Puts the icon into the area (true) or takes it out (false). The state changes only
    // when the area accepts the request. An icon that the area refused (no taskbar yet, at a
    // start at logon) is tried again every second a few times, and when a taskbar is
    // created.
    void SetActive(bool active);
    bool Active() const { return active_; }

    // A copy of the picture is kept; the caller keeps its own.
    void SetIcon(HICON icon);
    HICON Icon() const { return icon_.Get(); }

    // Longer texts are cut to kToolTipLength characters.
    void SetToolTip(const std::string& toolTip);
    const std::string& ToolTip() const { return toolTip_; }

    // The identifier under which the area knows the icon; notifications for another one are
    // ignored.
    void SetTaskIconID(UINT id);
    UINT TaskIconID() const { return id_; }

    // The window that receives the notifications.
    HWND Handle() const { return window_; }

    // Left button released, left button double-clicked, right button released (with the
    // mouse cursor's screen position). An exception that a handler throws is reported
    // through the application's handler and goes no further.
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(int x, int y)> OnRightClick;

private:
    template <typename Window>
    friend LRESULT ForwardToWindow(const char*, HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Notify(UINT id, UINT mouseMessage);
    NOTIFYICONDATAA Record() const;
    void Modified();
    void Readd();
    void TryAgainLater();

    HWND window_ = nullptr;
    bool active_ = false;
    bool wanted_ = false;  // in the area, or waiting for the area to take it
    int retriesLeft_ = 0;
    OwnedIcon icon_;
    std::string toolTip_;
    UINT id_ = 0;
    NOTIFYICONDATAA added_{};  // the record the icon was added with; it also removes it
};
