#include "TrayProgram.h"

#include <algorithm>

#include "CommandIds.h"
#include "GpgOperations.h"
#include "KeyRules.h"
#include "TextUtil.h"

namespace gpgtray {

namespace {

constexpr const char* kClipboardUnchanged = "\r\n\r\nThe clipboard was left as it was.";

bool WorksOnClipboard(unsigned id) {
    return id == GPGTRAY_ENCRYPT || id == GPGTRAY_ENCRYPT_SIGN || id == GPGTRAY_SIGN ||
           id == GPGTRAY_DECRYPT_VERIFY || id == GPGTRAY_ADD_KEY;
}

// The key to encrypt to as well, so that the sender can read the message later.
std::string OwnKey(const GnuPG& gpg, const Preferences& preferences) {
    if (!preferences.defaultKey.empty()) {
        return preferences.defaultKey;
    }
    for (const Key& key : ListKeys(gpg, true)) {
        if (CanEncryptTo(key)) {
            return key.fingerprint;
        }
    }
    throw GpgFailure(
        "You have no key of your own to encrypt to. Untick \"Also encrypt to my own key\" in "
        "the recipients dialog, or make a key pair with GnuPG.");
}

// A message written in an 8-bit code page rather than UTF-8 is read in the system's.
std::string AsUtf8(const std::string& text, const ICodePage& codePage) {
    return IsValidUtf8(text) ? text : codePage.ToUtf8(text);
}

}  // namespace

void TrayProgram::Handle(unsigned id) {
    if (busy_) {
        return;
    }
    busy_ = true;
    struct Done {
        bool& busy;
        ~Done() { busy = false; }
    } done{busy_};
    Run(id);
}

void TrayProgram::Run(unsigned id) {
    try {
        switch (id) {
            case GPGTRAY_ENCRYPT:
                return Encrypt(false);
            case GPGTRAY_ENCRYPT_SIGN:
                return Encrypt(true);
            case GPGTRAY_SIGN:
                return Sign();
            case GPGTRAY_DECRYPT_VERIFY:
                return DecryptVerify();
            case GPGTRAY_ADD_KEY:
                return AddKey();
            case GPGTRAY_PROPERTIES:
                return EditPreferences();
            case GPGTRAY_TOOLS:
                return s_.ui.ShowKeys(*this);
            case GPGTRAY_CHOOSE:
                return AskAndRun();
            default:
                return;
        }
    } catch (const GpgFailure& failure) {
        s_.ui.ReportFailure(failure.what() +
                            std::string(WorksOnClipboard(id) ? kClipboardUnchanged : ""));
    }
}

std::vector<Key> TrayProgram::Keys() {
    try {
        const GnuPG gpg = Gpg(LoadPreferences(s_.settings));
        std::vector<Key> keys = ListKeys(gpg, false);
        const std::vector<Key> secret = ListKeys(gpg, true);
        for (Key& key : keys) {
            key.secret = std::any_of(secret.begin(), secret.end(), [&](const Key& own) {
                return own.fingerprint == key.fingerprint;
            });
        }
        return keys;
    } catch (const GpgFailure& failure) {
        s_.ui.ReportFailure(failure.what());
        return {};
    }
}

void TrayProgram::ImportFromClipboard() {
    Handle(GPGTRAY_ADD_KEY);
}

bool TrayProgram::CopyPublicKey(const std::string& fingerprint) {
    try {
        PutOnClipboard(ExportKey(Gpg(LoadPreferences(s_.settings)), fingerprint));
        return true;
    } catch (const GpgFailure& failure) {
        s_.ui.ReportFailure(failure.what());
        return false;
    }
}

GnuPG TrayProgram::Gpg(const Preferences& preferences) const {
    return GnuPG(s_.runner, FindGpg(preferences.gpgPath, s_.installations));
}

std::string TrayProgram::ClipboardText() const {
    const std::optional<std::string> text = s_.clipboard.Text();
    if (!text) {
        throw GpgFailure("The clipboard could not be read: another program keeps it open.");
    }
    if (text->empty()) {
        throw GpgFailure("The clipboard holds no text.");
    }
    return *text;
}

// GnuPG's output goes to the clipboard with Windows line ends.
void TrayProgram::PutOnClipboard(const std::string& text) {
    if (!s_.clipboard.SetText(WithCrLf(text))) {
        throw GpgFailure(
            "The result could not be put on the clipboard: another program keeps "
            "it open.");
    }
}

bool TrayProgram::ChooseRecipients(RecipientChoice& choice) {
    while (s_.ui.ChooseRecipients(choice)) {
        const std::vector<const Key*> uncertain = choice.Uncertain();
        if (uncertain.empty() || s_.ui.AcceptUncertainKeys(uncertain)) {
            return true;
        }
    }
    return false;
}

void TrayProgram::Encrypt(bool sign) {
    const std::string text = ClipboardText();
    Preferences preferences = LoadPreferences(s_.settings);
    const GnuPG gpg = Gpg(preferences);
    RecipientChoice choice(ListKeys(gpg, false), preferences.lastRecipients,
                           preferences.encryptToSelf);
    if (choice.Offered().empty()) {
        throw GpgFailure(
            "There is no public key to encrypt to. Import your correspondents' "
            "keys first: copy a key to the clipboard and import it.");
    }
    if (!ChooseRecipients(choice)) {
        return;
    }
    EncryptOptions options{choice.ChosenFingerprints(), sign, preferences.defaultKey,
                           !choice.Uncertain().empty()};
    if (choice.encryptToSelf) {
        options.recipients.push_back(OwnKey(gpg, preferences));
    }
    PutOnClipboard(gpgtray::Encrypt(gpg, text, options));
    preferences.lastRecipients = choice.ChosenFingerprints();
    preferences.encryptToSelf = choice.encryptToSelf;
    SavePreferences(s_.settings, preferences);
}

void TrayProgram::Sign() {
    const std::string text = ClipboardText();
    const Preferences preferences = LoadPreferences(s_.settings);
    PutOnClipboard(ClearSign(Gpg(preferences), text, preferences.defaultKey));
}

// A text whose signature is bad stays off the clipboard: the user sees it, with the
// warning, but nothing passes it on as if it were sound.
void TrayProgram::DecryptVerify() {
    const std::string text = ClipboardText();
    const Opened opened = gpgtray::DecryptVerify(Gpg(LoadPreferences(s_.settings)), text);
    const std::string plain = AsUtf8(opened.text, s_.codePage);
    std::string words = SignatureWords(opened.signature);
    if (opened.signature.state == SignatureState::Bad) {
        words += kClipboardUnchanged;
    } else {
        PutOnClipboard(plain);
    }
    s_.ui.ShowOpened(WithCrLf(plain), words);
}

void TrayProgram::AddKey() {
    const std::string text = ClipboardText();
    s_.ui.Inform(ImportWords(Import(Gpg(LoadPreferences(s_.settings)), text)));
}

// The preferences must open even when GnuPG cannot be run: they are where its path is set.
void TrayProgram::EditPreferences() {
    PreferencesForm form{LoadPreferences(s_.settings), {}, FindGpg("", s_.installations)};
    try {
        form.secretKeys = ListKeys(Gpg(form.preferences), true);
    } catch (const GpgFailure&) {
        form.secretKeys.clear();
    }
    if (s_.ui.EditPreferences(form)) {
        SavePreferences(s_.settings, form.preferences);
    }
}

void TrayProgram::AskAndRun() {
    const unsigned chosen = s_.ui.ChooseOperation();
    if (WorksOnClipboard(chosen)) {
        Run(chosen);
    }
}

}  // namespace gpgtray
