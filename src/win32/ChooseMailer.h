#pragma once
// TfrmChooseMailer: "These mailers are running right now - choose one". A topmost dialog,
// centred on the screen, listing the running mailers in the order they were found, with
// Ok, Cancel and Help.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/MailerWindows.h"
#include "win32/ModalDialog.h"

class TfrmChooseMailer : public IMailerChooser, private ModalDialog {
public:
    explicit TfrmChooseMailer(HelpOpener openHelp = OpenHelpTopic);

    void Clear() override;
    void AddRow(const std::string& row) override;
    std::optional<std::string> Choose(int& chosenRow) override;

private:
    void OnInit() override;
    void OnCommand(int id, int notification, HWND control) override;
    void FillList(int rowToSelect);
    // The row selected in the list; -1 for none.
    int SelectedRow() const;
    void EnableOk();
    void lstRunningMailersClick();
    void btnOkClick();

    std::vector<std::string> rows_;
    // The caller's memory of the row chosen, and the chosen row's text, while it is shown.
    int* chosenRow_ = nullptr;
    std::optional<std::string> chosen_;
};
