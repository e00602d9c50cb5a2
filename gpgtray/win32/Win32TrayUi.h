#pragma once
// The tray program's windows on Win32: modal dialogs and message boxes for what must be
// answered before a command ends, and the text and key windows that stay open after it.

#include "KeyWindow.h"
#include "OpenedWindow.h"
#include "SystemCodePage.h"
#include "gpgtray/core/TrayUi.h"

namespace gpgtray {

class Win32TrayUi : public ITrayUi {
public:
    Win32TrayUi() : keys_(codePage_) {}

    bool ChooseRecipients(RecipientChoice& choice) override;
    bool AcceptUncertainKeys(const std::vector<const Key*>& keys) override;
    void ShowOpened(const std::string& text, const std::string& signatureWords) override;
    void Inform(const std::string& text) override;
    void ReportFailure(const std::string& text) override;
    unsigned ChooseOperation() override;
    bool EditPreferences(PreferencesForm& form) override;
    void ShowKeys(IKeyActions& actions) override;

    const ICodePage& CodePage() const { return codePage_; }

private:
    SystemCodePage codePage_;
    OpenedWindow opened_;
    KeyWindow keys_;
};

}  // namespace gpgtray
