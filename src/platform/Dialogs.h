#pragma once
// The message boxes that the program shows to the user.

#include <string>

// The kinds of message, numbered as the program's message dialogs number them.
enum class MsgDlgType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// The caption that the standard message dialog shows for a kind ("Warning", "Error",
// "Information", "Confirm"; empty for Custom).
const char* MsgDlgCaption(MsgDlgType kind);

class IDialogs {
public:
    virtual ~IDialogs() = default;

    // Shows a modal message with the kind's caption and icon and a single "OK" button;
    // returns when the user has closed it.
    virtual void ShowOkMessage(MsgDlgType kind, const std::string& text) = 0;
};
