#pragma once
// Finding which of the Active mailers is running: each Active driver describes its mailer,
// and a mailer runs when a window's caption contains the text its driver named.

#include <string>

class IMailerChooser;
class IProgressWindow;

// The Short value by which a driver says that its mailer needs no window to be found.
constexpr const char* kNoWindowNeeded = ">None<";

// A chooser row: the mailer's description, " / ", its window's caption, then the driver
// file out of sight behind the entry gap, from where the choice reads it back.
std::string ChooserRow(const std::string& information, const std::string& caption,
                       const std::string& driver);

// "No mailers in the Tervane 5 "Active" list are running. ..."
std::string NoMailersRunningText();

// The bar position while driver i (from 0) of n is asked: from 5 towards 25.
int DetectionPosition(int i, int n);

// Makes the running mailer's driver the current driver. With one running it is taken; with
// several the user chooses in the chooser; with none the user may retry. With a progress
// window, its bar follows the drivers asked. True when the run must stop (nothing chosen);
// the user has been told already.
bool FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress);
