#include "win32/DialogTemplate.h"

#include <optional>

namespace {

// Disables the thread's enabled top-level windows for as long as it lives.
class ThreadWindowsDisabled {
public:
    ThreadWindowsDisabled() {
        EnumThreadWindows(GetCurrentThreadId(), DisableEnabled,
                          reinterpret_cast<LPARAM>(&disabled_));
    }
    ~ThreadWindowsDisabled() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) {
                EnableWindow(window, TRUE);
            }
        }
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
    ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

private:
    static BOOL CALLBACK DisableEnabled(HWND window, LPARAM disabled) {
        if (IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
        }
        return TRUE;
    }

    std::vector<HWND> disabled_;
};

}  // namespace

DialogTemplate::DialogTemplate(DWORD style, const wchar_t* fontFace, WORD pointSize,
                               DWORD exStyle) {
    PushDword(style | DS_SETFONT);
    PushDword(exStyle);
    words_.push_back(0);                // no controls
    words_.insert(words_.end(), 4, 0);  // x, y, cx, cy
    words_.push_back(0);                // no menu
    words_.push_back(0);                // the standard dialog class
    words_.push_back(0);                // no title
    words_.push_back(pointSize);
    PushString(fontFace);
}

INT_PTR DialogTemplate::ShowModal(HWND owner, DLGPROC procedure, LPARAM param) const {
    std::optional<ThreadWindowsDisabled> taskModal;
    if (!owner) {
        taskModal.emplace();
    }
    return DialogBoxIndirectParamA(GetModuleHandleA(nullptr), Get(), owner, procedure, param);
}

void DialogTemplate::PushDword(DWORD value) {
    words_.push_back(LOWORD(value));
    words_.push_back(HIWORD(value));
}

void DialogTemplate::PushString(const wchar_t* text) {
    do {
        words_.push_back(static_cast<WORD>(*text));
    } while (*text++ != L'\0');
}
