#pragma once
// The program's standard message dialog: a caption, an icon, a text sized to fit, and
// buttons of any set in their standard order, each with the system's standard id.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

class MessageDialog {
public:
    // Opens the help topic; the dialog stays open meanwhile.
    using HelpOpener = std::function<void(HWND dialog, int helpContext)>;

    struct Content {
        std::string caption;
        LPCSTR icon = nullptr;  // a system icon (IDI_WARNING...), or null for none
        std::string text;
        MsgDlgButtons buttons;
        int helpContext = 0;  // 0: Help opens nothing
    };

    MessageDialog(Content content, HelpOpener openHelp);

    // Shows the dialog modally over the owner (with none, over the thread's windows) and
    // returns the id of the button pressed.
    int ShowModal(HWND owner);

private:
    template <typename Dialog>
    friend INT_PTR CALLBACK ForwardToDialog(HWND, UINT, WPARAM, LPARAM);
    static constexpr const char* kClassName = "MessageDialog";

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id, HWND control);
    void SetTexts();
    void Layout();
    // The answer of Escape and of the close box: Cancel, or else No, or else OK; 0 for none.
    int EscapeAnswer() const;

    Content content_;
    HelpOpener openHelp_;
    std::vector<int> buttons_;         // the ids of the buttons shown, left to right
    std::vector<HWND> buttonWindows_;  // their windows, in the same order
    HWND dialog_ = nullptr;
};
