#pragma once
// The two windows of the mailer side: the chooser among the running mailers and the script
// information window.

#include <memory>
#include <optional>
#include <string>

// The mailer chooser of one run ("These mailers are running right now - choose one"); closed
// and released with this object.
class IMailerChooser {
public:
    virtual ~IMailerChooser() = default;

    // Empties the list.
    virtual void Clear() = 0;

    // Adds a row at the end of the list.
    virtual void AddRow(const std::string& row) = 0;

    // Shows the chooser modally. It opens with row `chosenRow` selected when that row exists,
    // else row 0, and every change of the selection is stored in `chosenRow`. The text of the
    // row chosen by OK or a double-click; nothing for Cancel or Escape.
    virtual std::optional<std::string> Choose(int& chosenRow) = 0;
};

class IMailerWindows {
public:
    virtual ~IMailerWindows() = default;

    // A fresh, empty chooser, not yet shown.
    virtual std::unique_ptr<IMailerChooser> CreateChooser() = 0;

    // Shows the script information window modally with that caption and memo text, placed
    // at a third of the space the screen leaves beside it, until its "Close" button ends it.
    virtual void ShowScriptInfo(const std::string& caption, const std::string& text) = 0;
};
