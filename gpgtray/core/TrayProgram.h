#pragma once
// The tray program's commands: each carried out on the clipboard's text through GnuPG,
// to its end, its dialogs included. A command that produces nothing leaves the clipboard as
// it was and tells the user why.

#include <string>
#include <vector>

#include "Clipboard.h"
#include "CodePage.h"
#include "GnuPG.h"
#include "GpgLocation.h"
#include "ProcessRunner.h"
#include "SettingsStore.h"
#include "TrayUi.h"

namespace gpgtray {

struct TrayServices {
    IClipboard& clipboard;
    IProcessRunner& runner;
    ISettingsStore& settings;
    const IGpgInstallations& installations;
    const ICodePage& codePage;
    ITrayUi& ui;
};

class TrayProgram : public IKeyActions {
public:
    explicit TrayProgram(TrayServices services) : s_(services) {}

    // Carries out the command of that identifier (CommandIds.h); others are ignored, and so
    // is a command that arrives while another one waits in its dialogs.
    void Handle(unsigned id);

    std::vector<Key> Keys() override;
    void ImportFromClipboard() override;
    bool CopyPublicKey(const std::string& fingerprint) override;

private:
    void Run(unsigned id);
    GnuPG Gpg(const Preferences& preferences) const;
    std::string ClipboardText() const;
    void PutOnClipboard(const std::string& text);
    bool ChooseRecipients(RecipientChoice& choice);

    void Encrypt(bool sign);
    void Sign();
    void DecryptVerify();
    void AddKey();
    void EditPreferences();
    void AskAndRun();

    TrayServices s_;
    bool busy_ = false;
};

}  // namespace gpgtray
