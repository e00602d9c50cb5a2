#pragma once
// The mailer side as a run of the processing routine uses it.

#include "core/RunContext.h"

class RunMailers : public IRunMailers {
public:
    std::unique_ptr<IMailerChooser> CreateChooser() override;
    bool FindRunningMailer(IMailerChooser& chooser, IProgressWindow* progress) override;
    void CallDriver(const std::string& request) override;
};
