#include "win32/ChooseMailer.h"

#include <utility>

#include "support/HelpContexts.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"

namespace {

constexpr const char* kClassName = "TfrmChooseMailer";
constexpr const char* kCaption = "These mailers are running right now - choose one";
// A dialog frame and a caption without the system menu: no title-bar buttons.
constexpr DialogFrame kFrame{DS_MODALFRAME | WS_POPUP | WS_CAPTION, WS_EX_TOPMOST, 470, 91,
                             kHelpChooseMailer};

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

// Not sorted: the rows keep the order in which the mailers were found. The list shows only
// what fits, which keeps the driver file behind the blanks out of sight.
constexpr ControlDef kControls[] = {
    {kLstRunningMailers, "LISTBOX", "",
     LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 0, 8, 8, 377, 73,
     0, "Choose the one to process"},
    {IDOK, "BUTTON", "&Ok", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 394, 4, 69, 24, 0,
     "Confirm the selection"},
    {IDCANCEL, "BUTTON", "&Cancel", kButton, 0, 0, 394, 33, 69, 24, 0, "Abandon processing"},
    {IDHELP, "BUTTON", "&Help", kButton, 0, 0, 394, 63, 69, 24, 0, nullptr},
};

}  // namespace

TfrmChooseMailer::TfrmChooseMailer(HelpOpener openHelp)
    : ModalDialog(kClassName, std::move(openHelp)) {}

void TfrmChooseMailer::Clear() {
    rows_.clear();
}

void TfrmChooseMailer::AddRow(const std::string& row) {
    rows_.push_back(row);
}

std::optional<std::string> TfrmChooseMailer::Choose(int& chosenRow) {
    chosenRow_ = &chosenRow;
    chosen_.reset();
    Run(nullptr, kFrame, kCaption, kControls);
    chosenRow_ = nullptr;
    return std::exchange(chosen_, std::nullopt);
}

void TfrmChooseMailer::OnInit() {
    CentreIn(Handle(), ScreenArea());
    const int remembered = *chosenRow_;
    FillList(remembered >= 0 && remembered < static_cast<int>(rows_.size()) ? remembered : 0);
    EnableOk();
    SetFocus(Item(kLstRunningMailers));
}

void TfrmChooseMailer::FillList(int rowToSelect) {
    const HWND list = Item(kLstRunningMailers);
    for (const std::string& row : rows_) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(rowToSelect), 0);
}

int TfrmChooseMailer::SelectedRow() const {
    const LRESULT row = SendMessageA(Item(kLstRunningMailers), LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void TfrmChooseMailer::EnableOk() {
    EnableWindow(Item(IDOK), SelectedRow() >= 0);
}

void TfrmChooseMailer::OnCommand(int id, int notification, HWND /*control*/) {
    switch (id) {
        case kLstRunningMailers:
            if (notification == LBN_SELCHANGE) {
                lstRunningMailersClick();
            } else if (notification == LBN_DBLCLK) {
                btnOkClick();
            }
            break;
        case IDOK:
            btnOkClick();
            break;
        case IDCANCEL:
            End(IDCANCEL);
            break;
        case IDHELP:
            OpenHelp(kHelpChooseMailer);
            break;
        default:
            break;
    }
}

void TfrmChooseMailer::lstRunningMailersClick() {
    *chosenRow_ = SelectedRow();
    EnableOk();
}

// Enter reaches here even while Ok is disabled; without a selection there is nothing to
// take.
void TfrmChooseMailer::btnOkClick() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    chosen_ = rows_[static_cast<std::size_t>(row)];
    End(IDOK);
}
