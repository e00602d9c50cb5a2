#include "RecipientsDialog.h"

#include "Captions.h"
#include "KeyList.h"
#include "MessageBoxes.h"

namespace gpgtray {

// The list follows what is typed in the filter.
bool RecipientsDialog::OnControl(int id, int notification) {
    if (id != IDC_FILTER || notification != EN_CHANGE) {
        return false;
    }
    TakeSelection();
    Fill();
    return true;
}

bool RecipientsDialog::OnInit() {
    SetWindowTextA(dialog_, kRecipientsCaption);
    CheckDlgButton(dialog_, IDC_ENCRYPT_TO_SELF,
                   choice_.encryptToSelf ? BST_CHECKED : BST_UNCHECKED);
    Fill();
    SetFocus(GetDlgItem(dialog_, IDC_FILTER));
    return false;  // the focus is set
}

void RecipientsDialog::Fill() {
    const HWND list = GetDlgItem(dialog_, IDC_RECIPIENTS);
    ResetKeyList(list);
    shown_ = choice_.Matching(codePage_.ToUtf8(ControlText(dialog_, IDC_FILTER)));
    for (std::size_t index : shown_) {
        const int row = AddKeyRow(list, choice_.Offered()[index], codePage_);
        SendMessageA(list, LB_SETSEL, choice_.IsChosen(index), row);
    }
}

// Read from the list itself rather than followed through its notifications, which a
// selection set from outside does not send.
void RecipientsDialog::TakeSelection() {
    const HWND list = GetDlgItem(dialog_, IDC_RECIPIENTS);
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        choice_.SetChosen(shown_[row], SendMessageA(list, LB_GETSEL, row, 0) > 0);
    }
}

void RecipientsDialog::OnOk() {
    TakeSelection();
    choice_.encryptToSelf = IsDlgButtonChecked(dialog_, IDC_ENCRYPT_TO_SELF) == BST_CHECKED;
    if (choice_.Chosen().empty()) {
        ShowInformation("Choose at least one recipient from the list.");
        return;
    }
    EndDialog(dialog_, IDOK);
}

}  // namespace gpgtray
