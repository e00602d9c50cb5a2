#include "mailers/TargetText.h"

#include "mailers/ConfirmWindow.h"
#include "mailers/TargetWindow.h"
#include "mailers/menuclck.h"
#include "mailers/winop.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"

namespace {

constexpr const char* kEditMenu = "&Edit";
constexpr const char* kSelectAll = "Select &All";
constexpr const char* kCopy = "&Copy";
// The owner's program may put the copy on the clipboard a moment after handling the command.
constexpr int kMenuPauseMs = 100;

// The text is copied by the menu of the window's outermost ancestor, which owns the menu
// bar. The clipboard is emptied first so that only what the copy put there is taken, never
// an earlier text; and without "Select All" nothing is copied, since a copy of whatever
// happens to be selected would pass for the whole message.
std::string CopyByMenu(WindowId window) {
    const WindowId owner = OutermostAncestor(window);
    IClipboard& clipboard = *Os().clipboard;
    clipboard.Empty();
    const bool selected = ChooseMenuCommand(owner, kEditMenu, kSelectAll, "").empty();
    Os().ui->Sleep(kMenuPauseMs);
    if (!selected) {
        return "";
    }
    ChooseMenuCommand(owner, kEditMenu, kCopy, "");
    Os().ui->Sleep(kMenuPauseMs);
    return clipboard.Text();
}

// A Unicode window's 8-bit text would carry "?" for every character that the code page
// lacks, and the damage would be processed as the message: such a text is not read at all.
std::string AskedText(WindowId window) {
    IWindows& windows = *Os().windows;
    if (!windows.IsUnicode(window)) {
        return windows.TextByMessage(window, windows.TextLength(window) + 1);
    }
    const CodePageText asked = windows.UnicodeTextByMessage(window);
    if (!asked.exact) {
        Os().dialogs->AppMessageBox(kTextNotInCodePage, MsgDlgType::Error, kMbOk);
        return "";
    }
    return asked.text;
}

void LeaveOnClipboard(const std::string& text, const char* why) {
    Os().clipboard->SetText(text);
    Os().dialogs->AppMessageBox(why, MsgDlgType::Information, kMbOk);
}

}  // namespace

std::string ReadTargetText() {
    const TargetWindow target = FindTargetWindow();
    if (!target.found) {
        return "";
    }
    return target.kind == TargetKind::MenuCopy ? CopyByMenu(target.window)
                                               : AskedText(target.window);
}

void WriteTargetText(const std::string& text) {
    const TargetWindow target = SearchTargetWindow();
    if (target.found && target.kind == TargetKind::MenuCopy) {
        LeaveOnClipboard(text, kResultOnClipboardForMenuCopy);
    } else if (target.found && ConfirmWindow(target.window)) {
        Os().windows->SetTextByMessage(target.window, text);
    } else {
        LeaveOnClipboard(text, kResultOnClipboardNoWindow);
    }
}
