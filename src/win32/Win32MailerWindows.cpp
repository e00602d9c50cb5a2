#include "win32/Win32MailerWindows.h"

#include "win32/ChooseMailer.h"
#include "win32/ScriptInfo.h"

std::unique_ptr<IMailerChooser> Win32MailerWindows::CreateChooser() {
    return std::make_unique<TfrmChooseMailer>();
}

// The window is opened from the properties window's Details commands, which it keeps
// disabled while it is open.
void Win32MailerWindows::ShowScriptInfo(const std::string& caption, const std::string& text) {
    TfrmShowScriptInfo(caption, text).ShowModal(GetActiveWindow());
}
