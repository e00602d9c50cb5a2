#pragma once
// The chooser and the script information window as a test sees them: the rows each chooser
// was shown with, the user's scripted answers, and every script information shown.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/MailerWindows.h"

class FakeMailerWindows : public IMailerWindows {
public:
    std::unique_ptr<IMailerChooser> CreateChooser() override;
    void ShowScriptInfo(const std::string& caption, const std::string& text) override;

    // What the user does in a shown chooser: selects a row (or leaves the selection as it
    // opened), then presses OK or Cancel.
    struct Answer {
        std::optional<int> select;
        bool ok = true;
    };

    struct Shown {
        std::vector<std::string> rows;
        int selected = 0;  // the row selected as the chooser opened
    };

    std::deque<Answer> answers;  // none left: Cancel
    std::vector<Shown> shown;
    int openChoosers = 0;

    struct ScriptInfo {
        std::string caption;
        std::string text;
    };
    std::vector<ScriptInfo> scriptInfos;
};
