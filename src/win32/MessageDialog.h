#pragma once
// The program's standard message dialog: a caption, an icon, a text sized to fit, and
// buttons of any set in their standard order, each with the system's standard id.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/Dialogs.h"
#include "win32/ModalDialog.h"

class MessageDialog : private ModalDialog {
public:
    struct Content {
        std::string caption;
        LPCSTR icon = nullptr;  // a system icon (IDI_WARNING...), or null for none
        std::string text;
        MsgDlgButtons buttons;
        int helpContext = 0;  // 0: Help opens nothing
    };

    // Help opens the content's topic through openHelp; the dialog stays open meanwhile.
    MessageDialog(Content content, HelpOpener openHelp);

    // Shows the dialog modally over the owner (with none, over the thread's windows) and
    // returns the id of the button pressed.
    int ShowModal(HWND owner);

private:
    void OnInit() override;
    void OnCommand(int id, int notification, HWND control) override;
    void OnClose() override;
    void Layout();
    // The answer of Escape and of the close box: Cancel, or else No, or else OK; 0 for none.
    int EscapeAnswer() const;

    Content content_;
    std::vector<int> buttons_;         // the ids of the buttons shown, left to right
    std::vector<HWND> buttonWindows_;  // their windows, in the same order
};
