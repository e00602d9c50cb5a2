#pragma once
// The mailer side's two windows on Win32: TfrmChooseMailer and TfrmShowScriptInfo.

#include "platform/MailerWindows.h"

class Win32MailerWindows : public IMailerWindows {
public:
    std::unique_ptr<IMailerChooser> CreateChooser() override;
    void ShowScriptInfo(const std::string& caption, const std::string& text) override;
};
