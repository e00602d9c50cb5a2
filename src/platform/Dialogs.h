#pragma once
// The message dialogs and boxes that the program shows to the user.

#include <cstdint>
#include <initializer_list>
#include <string>

// The kinds of message, numbered as the program's message dialogs number them.
enum class MsgDlgType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// The caption that the standard message dialog shows for a kind ("Warning", "Error",
// "Information", "Confirm"; empty for Custom).
const char* MsgDlgCaption(MsgDlgType kind);

// The buttons of the standard message dialog, in the order in which they stand.
enum class MsgDlgBtn { Yes, No, OK, Cancel, Abort, Retry, Ignore, All, NoToAll, YesToAll, Help };

// A set of buttons: one bit per MsgDlgBtn.
class MsgDlgButtons {
public:
    constexpr MsgDlgButtons() = default;
    constexpr MsgDlgButtons(std::initializer_list<MsgDlgBtn> buttons) {
        for (MsgDlgBtn b : buttons) {
            bits_ |= Bit(b);
        }
    }
    constexpr bool Has(MsgDlgBtn b) const { return (bits_ & Bit(b)) != 0; }
    constexpr bool operator==(const MsgDlgButtons&) const = default;

private:
    static constexpr std::uint32_t Bit(MsgDlgBtn b) { return 1u << static_cast<int>(b); }
    std::uint32_t bits_ = 0;
};

// What the standard message dialog returns: the button pressed (the platform's ids).
constexpr int mrOk = 1;
constexpr int mrCancel = 2;
constexpr int mrAbort = 3;
constexpr int mrRetry = 4;
constexpr int mrIgnore = 5;
constexpr int mrYes = 6;
constexpr int mrNo = 7;
constexpr int mrAll = 8;
constexpr int mrNoToAll = 9;
constexpr int mrYesToAll = 10;

// The platform's message-box button flags and answers, for AppMessageBox.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbYesNo = 0x4;

// What the file-save dialog asks for.
struct SaveDialogOptions {
    std::string title;
    std::string filter;      // "Text files (*.txt)|*.txt|...": names and patterns; the first shown
    std::string defaultExt;  // given to a name typed without an extension: "*.txt"
    bool overwritePrompt = false;  // asks before an existing file is replaced
    bool hideReadOnly = false;     // no "Open as read-only" check box
    bool pathMustExist = false;    // the chosen directory must exist
};

class IDialogs {
public:
    virtual ~IDialogs() = default;

    // The standard message dialog: modal, with the kind's caption and icon, the text, and the
    // buttons in their standard order; with a help context, Help opens that topic of the
    // program's help file and the dialog stays open. Returns the button pressed (mrOk...).
    virtual int MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                           int helpContext) = 0;

    // The application message box: modal, owned by the application's window, captioned with
    // the application's title, with the kind's icon and the platform's button flags.
    // Returns the platform's answer (1 OK, 6 Yes, 7 No, ...).
    virtual int AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) = 0;

    // The file-save dialog, modal: the full path of the file chosen; empty when cancelled.
    virtual std::string SaveFileName(const SaveDialogOptions& options) = 0;
};
