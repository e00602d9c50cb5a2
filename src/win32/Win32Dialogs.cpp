#include "win32/Win32Dialogs.h"

#include <windows.h>

namespace {

UINT IconOf(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning:
            return MB_ICONEXCLAMATION;
        case MsgDlgType::Error:
            return MB_ICONHAND;
        case MsgDlgType::Information:
            return MB_ICONASTERISK;
        case MsgDlgType::Confirmation:
            return MB_ICONQUESTION;
        case MsgDlgType::Custom:
            break;
    }
    return 0;
}

}  // namespace

// Until the program's own dialog exists, the button sets that MessageBoxA knows.
int Win32Dialogs::MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                             int /*helpContext*/) {
    UINT set = MB_OK;
    if (buttons.Has(MsgDlgBtn::Yes) && buttons.Has(MsgDlgBtn::No)) {
        set = buttons.Has(MsgDlgBtn::Cancel) ? MB_YESNOCANCEL : MB_YESNO;
    } else if (buttons.Has(MsgDlgBtn::Abort)) {
        set = MB_ABORTRETRYIGNORE;
    } else if (buttons.Has(MsgDlgBtn::Retry)) {
        set = MB_RETRYCANCEL;
    } else if (buttons.Has(MsgDlgBtn::Cancel)) {
        set = MB_OKCANCEL;
    }
    // Reports can come before any window of ours exists; task-modal keeps the thread's
    // other windows disabled while the box is open all the same.
    return MessageBoxA(nullptr, text.c_str(), MsgDlgCaption(kind),
                       set | MB_TASKMODAL | IconOf(kind));
}

int Win32Dialogs::AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) {
    return MessageBoxA(nullptr, text.c_str(), "Tervane 5",
                       buttonFlags | MB_TASKMODAL | IconOf(kind));
}
