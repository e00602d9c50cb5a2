#pragma once
// The preferences dialog: where gpg.exe is, the default key and encrypt-to-self.

#include "Dialog.h"
#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/TrayUi.h"

namespace gpgtray {

class PreferencesDialog : public Dialog {
public:
    PreferencesDialog(PreferencesForm& form, const ICodePage& codePage)
        : form_(form), codePage_(codePage) {}

    // Modal; true when the user confirmed, with the form changed.
    bool Run();

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnInit();
    void FillKeys();
    void OnOk();

    PreferencesForm& form_;
    const ICodePage& codePage_;
    std::vector<std::string> keyOfItem_;  // the fingerprint of each item of the key list
};

}  // namespace gpgtray
