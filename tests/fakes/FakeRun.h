#pragma once
// The properties window and the mailer side as a run of the processing routine sees them.

#include <functional>
#include <string>
#include <vector>

#include "core/RunContext.h"
#include "fakes/FakeMailerWindows.h"
#include "support/error.h"

class FakeRunProperties : public IRunProperties {
public:
    int ProcessingIndex() override { return processingIndex; }
    int OutwardIndex() override { return outwardIndex; }
    bool ForceKeyRead() override { return forceKeyRead; }
    bool IgnoreWrappedKeys() override { return ignoreWrappedKeys; }
    std::vector<std::string> MailingListAddresses() override { return mailingList; }
    // As the real receiver does, a new text passes the receiver's first milestone.
    void SetClipboardReceiverText(const std::string& text) override {
        receiverTexts.push_back(text);
        Checkpoint() = 5700;
        if (onReceiverText) {
            onReceiverText(text);
        }
    }
    void HideMainWindow() override { ++hides; }

    int processingIndex = 0;
    int outwardIndex = 0;
    bool forceKeyRead = false;
    bool ignoreWrappedKeys = false;
    std::vector<std::string> mailingList;
    std::vector<std::string> receiverTexts;  // each text set, the empty one included
    std::function<void(const std::string&)> onReceiverText;  // the receiver's own work
    int hides = 0;
};

// Detection reports its positions and its answer as set; each driver call is recorded and
// does what the test gave it to do.
class FakeRunMailers : public IRunMailers {
public:
    std::unique_ptr<IMailerChooser> CreateChooser() override;
    bool FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress) override;
    void CallDriver(const std::string& request) override;

    std::vector<int> detectionPositions{5};
    bool abandon = false;
    FakeMailerWindows choosers;
    int searchesWithOpenChooser = 0;
    std::vector<std::string> requests;
    std::function<void(const std::string&)> onCallDriver;
};
