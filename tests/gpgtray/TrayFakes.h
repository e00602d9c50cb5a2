#pragma once
// Plain stand-ins for the tray program's surroundings in the native tests: a clipboard, a
// settings store, the installations of GnuPG, a code page and a user who answers the
// dialogs as told and remembers what they showed.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "gpgtray/core/Clipboard.h"
#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/GpgLocation.h"
#include "gpgtray/core/SettingsStore.h"
#include "gpgtray/core/TrayUi.h"

class FakeClipboard : public gpgtray::IClipboard {
public:
    std::optional<std::string> Text() override { return text; }
    bool SetText(const std::string& utf8) override {
        text = utf8;
        return true;
    }
    std::string text;
};

class MapSettings : public gpgtray::ISettingsStore {
public:
    std::string Read(const std::string& key) const override {
        const auto found = values.find(key);
        return found == values.end() ? "" : found->second;
    }
    void Write(const std::string& key, const std::string& value) override { values[key] = value; }
    std::map<std::string, std::string> values;
};

// GnuPG as Debian installs it: on the search path, registered nowhere.
class SearchPathOnly : public gpgtray::IGpgInstallations {
public:
    std::vector<std::string> RegisteredFolders() const override { return {}; }
    bool FileExists(const std::string&) const override { return false; }
    std::string OnSearchPath() const override { return "/usr/bin/gpg"; }
};

// ISO 8859-1, whose bytes are the first 256 code points.
class Latin1 : public gpgtray::ICodePage {
public:
    std::string ToUtf8(std::string_view text) const override;
    std::string FromUtf8(std::string_view utf8) const override;
};

class ScriptedUser : public gpgtray::ITrayUi {
public:
    // Answers of the first recipients dialog: the addresses to choose (none: cancel);
    // later dialogs are cancelled.
    std::vector<std::string> choose;
    bool acceptUncertain = false;

    // What was shown.
    std::vector<std::string> offered;  // the user IDs of the first recipients dialog
    std::vector<std::string> uncertainAsked;
    std::string openedText, signatureWords;
    std::vector<std::string> informed, failures;

    bool ChooseRecipients(gpgtray::RecipientChoice& choice) override;
    bool AcceptUncertainKeys(const std::vector<const gpgtray::Key*>& keys) override;
    void ShowOpened(const std::string& text, const std::string& words) override {
        openedText = text;
        signatureWords = words;
    }
    void Inform(const std::string& text) override { informed.push_back(text); }
    void ReportFailure(const std::string& text) override { failures.push_back(text); }
    unsigned ChooseOperation() override { return 0; }
    bool EditPreferences(gpgtray::PreferencesForm&) override { return false; }
    void ShowKeys(gpgtray::IKeyActions&) override {}

private:
    int recipientDialogs_ = 0;
};
