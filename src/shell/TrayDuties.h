#pragma once
// What the properties window does for its tray icons, its timer and its clipboard receiver.
// The window owns the icons and the controls; it calls these from their event handlers.

#include <functional>
#include <string>

// The file an installer leaves in the program directory to ask a running copy to end.
constexpr const char* kInstallerFlagName = "Installer.Flg";

// Ticks of the 6-second timer between two daily duties: about 24 hours.
constexpr int kTicksPerDay = 14400;

// A left click on the main icon: a routine run, logged as "MainPGP-T". A click while a run
// started here is in progress is ignored; the guard is cleared on every way out of the
// run, and an error that ends the run passes on to the caller.
void TaskIcon1Click();

// One tick of Timer1: ends the program when an installer asks for it, counts the tick and,
// once a day, trims the debug log and, when tips are enabled, calls showTipOfTheDay.
void Timer1Timer(const std::function<void()>& showTipOfTheDay);

// Sets the clipboard receiver's text: a text unlike the one it holds is a change, handed to
// ClipboardReceiverChanged; the same text again is none.
void SetClipboardReceiverText(const std::string& text);

// Told when PGP's result could not be handed to the mail program.
constexpr const char* kResultLeftOnClipboard =
    "Tervane 5 could not write PGP's result for your mail program, so it has not been put "
    "into the message window. The result is on the clipboard: paste it into the message "
    "window yourself.";

// A change of the clipboard receiver's text: a non-empty text is PGP's result, written into
// a fresh exchange file as its body alone and handed to the current driver with
// "Write File=", which puts it into the mailer's window. The clipboard is left empty.
void ClipboardReceiverChanged(const std::string& text);
