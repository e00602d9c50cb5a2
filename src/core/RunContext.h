#pragma once
// What a run of the processing routine needs of the rest of the program: the properties
// window's choices and its clipboard receiver, and the mailer side. The program installs
// the real ones when its windows exist; tests install fakes.

#include <memory>
#include <string>
#include <vector>

#include "platform/MailerWindows.h"

class IProgressWindow;

// The properties window as a run reads and uses it.
class IRunProperties {
public:
    virtual ~IRunProperties() = default;

    // The selected index of optProcessing (routine runs) and of optOutward (special runs);
    // -1 when nothing is selected.
    virtual int ProcessingIndex() = 0;
    virtual int OutwardIndex() = 0;

    // chkForceKeyRead and chkIgnoreWrappedKeys.
    virtual bool ForceKeyRead() = 0;
    virtual bool IgnoreWrappedKeys() = 0;

    // The items of lstMailingListAddress, in order.
    virtual std::vector<std::string> MailingListAddresses() = 0;

    // Sets txtClipboardReceiver's text. A non-empty text is written back into the mailer
    // before this returns; the empty text does nothing else.
    virtual void SetClipboardReceiverText(const std::string& text) = 0;

    // Hides the main (properties) window.
    virtual void HideMainWindow() = 0;
};

// The mailer side as a run uses it.
class IRunMailers {
public:
    virtual ~IRunMailers() = default;

    // Creates the mailer chooser for the run.
    virtual std::unique_ptr<IMailerChooser> CreateChooser() = 0;

    // Finds the running mailer and makes it the current driver, asking the user through the
    // chooser when several run. With a progress window, moves its bar from 5 towards 25
    // while it polls the drivers. True when the run must stop (nothing chosen); the user
    // has been told already.
    virtual bool FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress) = 0;

    // Runs the current driver with the request ("read File=" + path) and returns when it
    // has ended.
    virtual void CallDriver(const std::string& request) = 0;
};

struct RunContext {
    IRunProperties* properties = nullptr;
    IRunMailers* mailers = nullptr;
};
