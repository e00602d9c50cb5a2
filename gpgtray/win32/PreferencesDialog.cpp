#include "PreferencesDialog.h"

#include <algorithm>

#include "Captions.h"
#include "KeyList.h"
#include "gpgtray/core/KeyRules.h"
#include "resource.h"

namespace gpgtray {

bool PreferencesDialog::Run() {
    return RunOkCancel(IDD_PREFERENCES);
}

bool PreferencesDialog::OnInit() {
    SetWindowTextA(dialog_, kPreferencesCaption);
    SetDlgItemTextA(dialog_, IDC_GPG_PATH, form_.preferences.gpgPath.c_str());
    const std::string found = form_.foundGpg.empty()
                                  ? "Left empty, no gpg.exe is found: install GnuPG for Windows."
                                  : "Left empty, this one is used: " + form_.foundGpg;
    SetDlgItemTextA(dialog_, IDC_FOUND_GPG, found.c_str());
    FillKeys();
    CheckDlgButton(dialog_, IDC_ENCRYPT_TO_SELF,
                   form_.preferences.encryptToSelf ? BST_CHECKED : BST_UNCHECKED);
    return true;
}

// The first item leaves the choice to GnuPG; a default key that is no longer there is
// shown by its fingerprint, so that nothing changes unless the user changes it.
void PreferencesDialog::FillKeys() {
    const HWND list = GetDlgItem(dialog_, IDC_DEFAULT_KEY);
    keyOfItem_ = {""};
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("(GnuPG's own default key)"));
    for (const Key& key : form_.secretKeys) {
        if (CanSignWith(key)) {
            const std::string item = codePage_.FromUtf8(key.Label() + "  " + key.keyId);
            SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            keyOfItem_.push_back(key.fingerprint);
        }
    }
    const std::string& chosen = form_.preferences.defaultKey;
    auto found = std::find(keyOfItem_.begin(), keyOfItem_.end(), chosen);
    if (found == keyOfItem_.end()) {
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
        found = keyOfItem_.insert(keyOfItem_.end(), chosen);
    }
    SendMessageA(list, CB_SETCURSEL, found - keyOfItem_.begin(), 0);
}

void PreferencesDialog::OnOk() {
    Preferences& preferences = form_.preferences;
    preferences.gpgPath = ControlText(dialog_, IDC_GPG_PATH);
    const LRESULT item = SendDlgItemMessageA(dialog_, IDC_DEFAULT_KEY, CB_GETCURSEL, 0, 0);
    preferences.defaultKey = item > 0 ? keyOfItem_.at(static_cast<std::size_t>(item)) : "";
    preferences.encryptToSelf = IsDlgButtonChecked(dialog_, IDC_ENCRYPT_TO_SELF) == BST_CHECKED;
    EndDialog(dialog_, IDOK);
}

}  // namespace gpgtray
