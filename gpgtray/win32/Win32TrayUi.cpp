#include "Win32TrayUi.h"

#include "MessageBoxes.h"
#include "OperationDialog.h"
#include "PreferencesDialog.h"
#include "RecipientsDialog.h"
#include "gpgtray/core/KeyRules.h"

namespace gpgtray {

bool Win32TrayUi::ChooseRecipients(RecipientChoice& choice) {
    return RecipientsDialog(choice, codePage_).Run();
}

bool Win32TrayUi::AcceptUncertainKeys(const std::vector<const Key*>& keys) {
    std::string text =
        "GnuPG does not hold these keys to be certified as belonging to the people "
        "they name:\r\n";
    for (const Key* key : keys) {
        text += "\r\n  " + key->Label() + "  (" + key->keyId + ", validity " +
                ValidityWord(key->validity) + ")";
    }
    text += "\r\n\r\nEncrypt to them all the same?";
    return AskYesNo(text);
}

void Win32TrayUi::ShowOpened(const std::string& text, const std::string& signatureWords) {
    opened_.Show(text, signatureWords);
}

void Win32TrayUi::Inform(const std::string& text) {
    ShowInformation(text);
}

void Win32TrayUi::ReportFailure(const std::string& text) {
    ShowFailure(text);
}

unsigned Win32TrayUi::ChooseOperation() {
    return OperationDialog().Run();
}

bool Win32TrayUi::EditPreferences(PreferencesForm& form) {
    return PreferencesDialog(form, codePage_).Run();
}

void Win32TrayUi::ShowKeys(IKeyActions& actions) {
    keys_.Show(actions);
}

}  // namespace gpgtray
