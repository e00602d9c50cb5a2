#include "KeyWindow.h"

#include "Captions.h"
#include "KeyList.h"
#include "MessageBoxes.h"
#include "resource.h"

namespace gpgtray {

void KeyWindow::Show(IKeyActions& actions) {
    actions_ = &actions;
    if (!dialog_ && !CreateModeless(IDD_KEYS, false)) {
        ShowFailure("The key window could not be opened.");
        return;
    }
    Refresh();
    ShowWindow(dialog_, SW_SHOWNORMAL);
    SetForegroundWindow(dialog_);
}

INT_PTR KeyWindow::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog_, kKeysCaption);
        return TRUE;
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
        case IDC_IMPORT:
            actions_->ImportFromClipboard();
            Refresh();
            return TRUE;
        case IDC_COPY_KEY:
            CopySelected();
            return TRUE;
        case IDC_QUIT:
            // The program has no other window of its own from which to end it.
            PostQuitMessage(0);
            return TRUE;
        case IDCANCEL:
            DestroyWindow(dialog_);
            return TRUE;
        default:
            return FALSE;
    }
}

// The list does not sort: its rows stay in the order of keys_.
void KeyWindow::Refresh() {
    const HWND list = GetDlgItem(dialog_, IDC_KEY_LIST);
    ResetKeyList(list);
    keys_ = actions_->Keys();
    for (const Key& key : keys_) {
        AddKeyRow(list, key, codePage_, key.secret ? "yes" : "");
    }
    SetStatus(std::to_string(keys_.size()) + " keys.");
}

void KeyWindow::CopySelected() {
    const LRESULT row = SendDlgItemMessageA(dialog_, IDC_KEY_LIST, LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<std::size_t>(row) >= keys_.size()) {
        ShowInformation("Choose a key in the list first.");
        return;
    }
    const Key& key = keys_[static_cast<std::size_t>(row)];
    if (actions_->CopyPublicKey(key.fingerprint)) {
        SetStatus("The public key of " + key.Label() + " is on the clipboard.");
    }
}

void KeyWindow::SetStatus(const std::string& utf8) {
    SetDlgItemTextA(dialog_, IDC_KEY_STATUS, codePage_.FromUtf8(utf8).c_str());
}

}  // namespace gpgtray
