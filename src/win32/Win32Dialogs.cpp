#include "win32/Win32Dialogs.h"

#include <windows.h>

#include "support/AppInfo.h"
#include "win32/HelpFile.h"
#include "win32/MessageDialog.h"
#include "win32/ThreadWindowsDisabled.h"

namespace {

// The icon of a kind, as the message box's flag and as the system icon that the message
// dialog shows.
struct KindIcon {
    UINT boxFlag;
    LPCSTR dialogIcon;
};

KindIcon IconOf(MsgDlgType kind) {
    switch (kind) {
        case MsgDlgType::Warning:
            return {MB_ICONEXCLAMATION, IDI_WARNING};
        case MsgDlgType::Error:
            return {MB_ICONHAND, IDI_ERROR};
        case MsgDlgType::Information:
            return {MB_ICONASTERISK, IDI_INFORMATION};
        case MsgDlgType::Confirmation:
            return {MB_ICONQUESTION, IDI_QUESTION};
        case MsgDlgType::Custom:
            break;
    }
    return {0, nullptr};
}

// A custom message has no caption of its own: it goes under the application's.
std::string DialogCaptionOf(MsgDlgType kind) {
    return kind == MsgDlgType::Custom ? kAppTitle : MsgDlgCaption(kind);
}

}  // namespace

// Until the application's hidden window exists, messages belong to the window that the user
// is working in, or to none.
HWND Win32Dialogs::Owner() const {
    return owner_ ? owner_ : GetActiveWindow();
}

int Win32Dialogs::MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                             int helpContext) {
    MessageDialog dialog(
        {DialogCaptionOf(kind), IconOf(kind).dialogIcon, text, buttons, helpContext},
        OpenHelpTopic);
    return dialog.ShowModal(Owner());
}

int Win32Dialogs::AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) {
    const HWND owner = Owner();
    const ThreadWindowsDisabled taskModal;
    return MessageBoxA(owner, text.c_str(), kAppTitle,
                       buttonFlags | IconOf(kind).boxFlag | (owner ? 0 : MB_TASKMODAL));
}
