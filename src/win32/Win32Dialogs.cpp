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

void Win32Dialogs::ShowOkMessage(MsgDlgType kind, const std::string& text) {
    // Reports can come before any window of ours exists; task-modal keeps the thread's
    // other windows disabled while the box is open all the same.
    MessageBoxA(nullptr, text.c_str(), MsgDlgCaption(kind), MB_OK | MB_TASKMODAL | IconOf(kind));
}
