#pragma once
// What one run does with the text that the driver read: the command for PGP, or a stop
// with its message, or a question to the user first.

#include <functional>
#include <string>
#include <vector>

#include "core/MFDData.h"

// The command of an outward option ("&Encrypt", "S&ign", "Encrypt &and Sign"); any other
// index (no selection) leaves `current` as it is.
std::string OptionToCommand(int index, const std::string& current);

// True when a whole To or Cc address matches a mailing-list item, letter case ignored.
bool MailingListHit(const std::string& to, const std::string& cc,
                    const std::vector<std::string>& mailingList);

// What the run has to go on.
struct RunInput {
    TMFDData data;                         // the record the driver's read gave
    bool routineRun = true;                // false for a special run
    int optionIndex = 0;                   // selected index of the run's outward option group
    bool forceKeyRead = false;             // chkForceKeyRead
    std::vector<std::string> mailingList;  // the mailing-list addresses
    // Told each milestone the decision passes: 5507 when the text is ready for
    // classification, 5508 when the mailing-list scan starts.
    std::function<void(int checkpoint)> milestone = [](int) {};
};

enum class RunOutcome {
    Invoke,   // hand `body` to PGP with `command`
    Stop,     // show `message` in `stopBox`, then end the run
    Confirm,  // ask `message` (Yes, No, Help; `helpContext`); Yes invokes `command`
};

// How a stop's message is shown.
enum class StopBox { AppMessageBox, ErrorDialog };

struct RunDecision {
    RunOutcome outcome = RunOutcome::Stop;
    std::string command;
    std::string message;
    StopBox stopBox = StopBox::ErrorDialog;
    int helpContext = 0;
    bool incoming = false;  // PGP's result is shown by PGP, not written back
    std::string body;       // the text for the clipboard (unindented when incoming)
};

RunDecision DecideRun(const RunInput& input);
