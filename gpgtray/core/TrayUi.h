#pragma once
// The windows through which the tray program talks to the user. Texts are UTF-8.

#include <string>
#include <vector>

#include "Key.h"
#include "Preferences.h"
#include "RecipientChoice.h"

namespace gpgtray {

// What the key window asks of the program. Each reports its own failures to the user.
class IKeyActions {
public:
    virtual ~IKeyActions() = default;
    // The public keys, the user's own marked as secret; empty after a failure.
    virtual std::vector<Key> Keys() = 0;
    // Imports the keys in the clipboard's text and tells the user what came of it.
    virtual void ImportFromClipboard() = 0;
    // Replaces the clipboard's text by the armoured public key; false when it could not.
    virtual bool CopyPublicKey(const std::string& fingerprint) = 0;
};

// What the preferences dialog shows and changes.
struct PreferencesForm {
    Preferences preferences;
    std::vector<Key> secretKeys;  // what the default key can be chosen from
    std::string foundGpg;         // the gpg.exe used when no path is named; empty for none
};

class ITrayUi {
public:
    virtual ~ITrayUi() = default;
    // The recipients dialog, modal; false when the user cancelled. The choice holds what
    // was chosen, at least one key when it returns true.
    virtual bool ChooseRecipients(RecipientChoice& choice) = 0;
    // Asks whether to encrypt to these keys, which are not certified as their owners'.
    virtual bool AcceptUncertainKeys(const std::vector<const Key*>& keys) = 0;
    // Shows a decrypted or verified text and its signature's state in the text window,
    // which stays open after the call.
    virtual void ShowOpened(const std::string& text, const std::string& signatureWords) = 0;
    virtual void Inform(const std::string& text) = 0;
    virtual void ReportFailure(const std::string& text) = 0;
    // Asks what to do with the clipboard's text: the identifier of the chosen command, or 0.
    virtual unsigned ChooseOperation() = 0;
    // The preferences dialog, modal; true when the user confirmed the changed form.
    virtual bool EditPreferences(PreferencesForm& form) = 0;
    // Opens the key window, which stays open after the call.
    virtual void ShowKeys(IKeyActions& actions) = 0;
};

}  // namespace gpgtray
