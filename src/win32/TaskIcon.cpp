#include "win32/TaskIcon.h"

#include <algorithm>
#include <stdexcept>

#include "win32/WaitSpan.h"
#include "win32/WindowClass.h"

namespace {

constexpr const char* kClassName = "TTaskIcon";

constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryInterval = 1000;
constexpr int kRetries = 10;

// Explorer broadcasts this to every top-level window when it has built a new taskbar
// (after a crash, say); the icons that were there are gone.
UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace

// A top-level window, not a message-only one: only top-level windows hear the broadcast of
// "TaskbarCreated".
TTaskIcon::TTaskIcon() {
    static const ATOM registered = RegisterWindowClass(kClassName, WindowProc);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, registered ? kClassName : nullptr, "", WS_POPUP, 0,
                              0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!window_) {
        throw std::runtime_error("Cannot create the tray icon's window");
    }
}

TTaskIcon::~TTaskIcon() {
    SetActive(false);
    DestroyWindow(window_);
}

// The record of the first version, which every system understands: its tip holds 64 bytes.
NOTIFYICONDATAA TTaskIcon::Record() const {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window_;
    record.uID = id_;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = icon_.Get();
    std::copy_n(toolTip_.c_str(), toolTip_.size() + 1, record.szTip);
    return record;
}

void TTaskIcon::SetActive(bool active) {
    wanted_ = active;
    if (active == active_) {
        return;
    }
    if (active) {
        NOTIFYICONDATAA record = Record();
        if (Shell_NotifyIconA(NIM_ADD, &record)) {
            added_ = record;
            active_ = true;
            KillTimer(window_, kRetryTimer);
        } else {
            TryAgainLater();
        }
    } else if (Shell_NotifyIconA(NIM_DELETE, &added_)) {
        active_ = false;
    }
}

void TTaskIcon::TryAgainLater() {
    if (retriesLeft_ == 0) {
        retriesLeft_ = kRetries;
        SetTimer(window_, kRetryTimer, kRetryInterval, nullptr);
    }
}

void TTaskIcon::SetIcon(HICON icon) {
    if (icon == icon_.Get()) {
        return;
    }
    icon_.Reset(icon ? CopyIcon(icon) : nullptr);
    Modified();
}

void TTaskIcon::SetToolTip(const std::string& toolTip) {
    const std::string cut = toolTip.substr(0, kToolTipLength);
    if (cut == toolTip_) {
        return;
    }
    toolTip_ = cut;
    // The icon's window carries the tip as its title, so that other programs can tell the
    // program's icons apart.
    SetWindowTextA(window_, toolTip_.c_str());
    Modified();
}

void TTaskIcon::SetTaskIconID(UINT id) {
    if (id == id_) {
        return;
    }
    id_ = id;
    Modified();
}

// A failed update leaves the icon as it was; nothing is reported.
void TTaskIcon::Modified() {
    if (active_) {
        NOTIFYICONDATAA record = Record();
        Shell_NotifyIconA(NIM_MODIFY, &record);
    }
}

// A wanted icon is put into the new taskbar, whether the old one had it or had refused it.
void TTaskIcon::Readd() {
    if (wanted_) {
        active_ = false;
        SetActive(true);
    }
}

LRESULT CALLBACK TTaskIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToWindow<TTaskIcon>(kClassName, window, message, wParam, lParam);
}

LRESULT TTaskIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage) {
        Notify(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
        return 0;
    }
    if (message == TaskbarCreatedMessage()) {
        Readd();
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        if (--retriesLeft_ <= 0 || active_ || !wanted_) {
            retriesLeft_ = 0;
            KillTimer(window_, kRetryTimer);
        }
        if (wanted_ && !active_) {
            SetActive(true);
        }
        return 0;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void TTaskIcon::Notify(UINT id, UINT mouseMessage) {
    if (id != id_) {
        return;
    }
    switch (mouseMessage) {
        case WM_LBUTTONUP:
            if (OnClick) {
                const WaitSpan span("click");
                OnClick();
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (OnDblClick) {
                OnDblClick();
            }
            break;
        case WM_RBUTTONUP:
            if (OnRightClick) {
                POINT cursor{};
                GetCursorPos(&cursor);
                OnRightClick(cursor.x, cursor.y);
            }
            break;
        default:
            break;
    }
}
