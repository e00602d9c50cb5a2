#pragma once
// The preferences dialog: where gpg.exe is, the default key and encrypt-to-self.

#include "OkCancelDialog.h"
#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/TrayUi.h"

namespace gpgtray {

class PreferencesDialog : public OkCancelDialog {
public:
    PreferencesDialog(PreferencesForm& form, const ICodePage& codePage)
        : form_(form), codePage_(codePage) {}

    // Modal; true when the user confirmed, with the form changed.
    bool Run();

private:
    bool OnInit() override;
    void FillKeys();
    void OnOk() override;

    PreferencesForm& form_;
    const ICodePage& codePage_;
    std::vector<std::string> keyOfItem_;  // the fingerprint of each item of the key list
};

}  // namespace gpgtray
