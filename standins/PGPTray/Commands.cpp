#include "Commands.h"

#include <optional>
#include <string>
#include <vector>

#include "ArmourScan.h"
#include "Behaviour.h"
#include "ClearSign.h"
#include "Clipboard.h"
#include "CommandLog.h"
#include "CommandTable.h"
#include "MessageArmour.h"
#include "StandinFiles.h"
#include "TextWindow.h"
#include "Unwrap.h"

namespace {

constexpr const char* kUnchanged = ": clipboard left as it was";

struct Context {
    HWND tray;
    StandinFiles files;
    Behaviour behaviour;
    CommandLog log;
};

void ReplaceClipboard(const Context& context, const std::string& text, const std::string& note) {
    if (SetClipboardText(context.tray, text)) {
        context.log.Note(note);
    } else {
        context.log.Note(std::string("clipboard could not be written") + kUnchanged);
    }
}

// The clipboard's text; nothing, and a note, when the clipboard cannot be opened.
std::optional<std::string> ReadClipboard(const Context& context) {
    std::optional<std::string> text = ClipboardText(context.tray);
    if (!text) {
        context.log.Note(std::string("clipboard could not be read") + kUnchanged);
    }
    return text;
}

void ShowWindowNoting(const Context& context, const char* caption, const std::string& text) {
    if (!ShowTextWindow(caption, text)) {
        context.log.Note(std::string("window could not be opened: ") + caption);
    }
}

void Encrypt(const Context& context, bool signToo) {
    if (context.behaviour.noEncryptedOutput) {
        context.log.Note(std::string("no encrypted output") + kUnchanged);
        return;
    }
    if (const auto text = ReadClipboard(context)) {
        ReplaceClipboard(context, EncryptToArmour(*text, signToo),
                         signToo ? "encrypted and signed" : "encrypted");
    }
}

void Sign(const Context& context) {
    if (const auto text = ReadClipboard(context)) {
        ReplaceClipboard(context, ClearSign(*text), "signed");
    }
}

// Keys that come out of a decrypted text are offered for import, as the real program does.
void ListKeysToImport(const Context& context, const std::vector<std::string>& plains) {
    std::vector<std::string> keys;
    for (const std::string& plain : plains) {
        const std::vector<std::string> found = PublicKeyBlocks(plain);
        keys.insert(keys.end(), found.begin(), found.end());
    }
    if (!keys.empty()) {
        const std::size_t added = AppendBlocksOnce(context.files.ImportList(), keys);
        context.log.Note(std::to_string(added) + " key block(s) put on the import list");
    }
}

void DecryptVerify(const Context& context) {
    const std::optional<std::string> read = ReadClipboard(context);
    if (!read) {
        return;
    }
    const std::string& text = *read;
    if (!HasEncryptedOrSignedMarkers(text)) {
        context.log.Note(std::string("no encrypted or signed block") + kUnchanged);
        return;
    }
    const Unwrapped unwrapped = UnwrapBlocks(text);
    for (const std::string& note : unwrapped.notes) {
        context.log.Note(note);
    }
    if (unwrapped.plains.empty()) {
        context.log.Note(std::string("nothing opened") + kUnchanged);
        return;
    }
    ReplaceClipboard(context, unwrapped.text, "plain text put on the clipboard");
    ShowWindowNoting(context, kDecryptedCaption, unwrapped.text);
    ListKeysToImport(context, unwrapped.plains);
}

void AddKey(const Context& context) {
    const std::optional<std::string> text = ReadClipboard(context);
    if (!text) {
        return;
    }
    const std::vector<std::string> keys = PublicKeyBlocks(*text);
    if (keys.empty()) {
        context.log.Note("no public-key block: nothing imported");
        return;
    }
    const std::size_t added = AppendBlocksOnce(context.files.Keyring(), keys);
    context.log.Note("imported " + std::to_string(added) + " of " + std::to_string(keys.size()) +
                     " key block(s)");
}

void Properties(const Context& context) {
    ShowWindowNoting(context, kPreferencesCaption,
                     "Settings file: " + context.files.Settings() + "\r\n\r\n" +
                         DescribeBehaviour(context.behaviour));
}

void Tools(const Context& context) {
    ShowWindowNoting(context, kToolsCaption,
                     "Keyring: " + context.files.Keyring() + "\r\nKeys to import: " +
                         context.files.ImportList() + "\r\nCommand log: " + context.files.Log());
}

// A modal box, as a pass-phrase dialog would be: the command, and the sender's call, go on
// only when the user closes it.
void HoldOpen(HWND tray, const CommandInfo& command) {
    const std::string text =
        "The command " + std::string(command.name) + " waits. Close this box to let it finish.";
    MessageBoxA(tray, text.c_str(), "PGP Stand-in - Busy", MB_OK | MB_SETFOREGROUND);
}

void Perform(const Context& context, Action action) {
    switch (action) {
        case Action::Encrypt:
            return Encrypt(context, false);
        case Action::EncryptSign:
            return Encrypt(context, true);
        case Action::Sign:
            return Sign(context);
        case Action::DecryptVerify:
            return DecryptVerify(context);
        case Action::AddKey:
            return AddKey(context);
        case Action::Properties:
            return Properties(context);
        case Action::Tools:
            return Tools(context);
        case Action::Nothing:
            return;
    }
}

}  // namespace

void RunCommand(HWND trayWindow, unsigned id) {
    const StandinFiles files = FilesBesideProgram();
    const Context context{trayWindow, files, ReadBehaviour(files.Settings()),
                          CommandLog(files.Log())};
    const CommandInfo& command = LookupCommand(id);
    context.log.Command(id, command.name);
    if (context.behaviour.holdOpen) {
        HoldOpen(trayWindow, command);
    }
    if (context.behaviour.cancel && WorksOnClipboard(command.action)) {
        context.log.Note(std::string("cancelled") + kUnchanged);
        return;
    }
    Perform(context, command.action);
}
