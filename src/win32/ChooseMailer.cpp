#include "win32/ChooseMailer.h"

#include <utility>

#include "support/HelpContexts.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/DialogProc.h"
#include "win32/DialogTemplate.h"
#include "win32/Hints.h"

namespace {

constexpr const char* kCaption = "These mailers are running right now - choose one";
constexpr int kClientWidth = 470;
constexpr int kClientHeight = 91;

constexpr ControlPlace kControls[] = {
    {kLstRunningMailers, 8, 8, 377, 73},
    {IDOK, 394, 4, 69, 24},
    {IDCANCEL, 394, 33, 69, 24},
    {IDHELP, 394, 63, 69, 24},
};

struct ButtonText {
    int id;
    const char* text;
};

constexpr ButtonText kButtonTexts[] = {{IDOK, "&Ok"}, {IDCANCEL, "&Cancel"}, {IDHELP, "&Help"}};

struct ControlHint {
    int id;
    const char* hint;
};

constexpr ControlHint kHints[] = {{kLstRunningMailers, "Choose the one to process"},
                                  {IDOK, "Confirm the selection"},
                                  {IDCANCEL, "Abandon processing"}};

}  // namespace

TfrmChooseMailer::TfrmChooseMailer(HelpOpener openHelp) : openHelp_(std::move(openHelp)) {}

void TfrmChooseMailer::Clear() {
    rows_.clear();
}

void TfrmChooseMailer::AddRow(const std::string& row) {
    rows_.push_back(row);
}

std::optional<std::string> TfrmChooseMailer::Choose(int& chosenRow) {
    // A dialog frame and a caption without the system menu: no title-bar buttons.
    DialogTemplate layout(DS_MODALFRAME | WS_POPUP | WS_CAPTION, L"MS Shell Dlg", 8, WS_EX_TOPMOST);
    // Not sorted: the rows keep the order in which the mailers were found. The list shows
    // only what fits, which keeps the driver file behind the blanks out of sight.
    layout.AddControl(DialogTemplate::kListBox, kLstRunningMailers,
                      LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, IDHELP, BS_PUSHBUTTON | WS_TABSTOP);
    chosenRow_ = &chosenRow;
    chosen_.reset();
    layout.ShowModal(nullptr, ForwardToDialog<TfrmChooseMailer>, reinterpret_cast<LPARAM>(this));
    chosenRow_ = nullptr;
    return std::exchange(chosen_, std::nullopt);
}

INT_PTR TfrmChooseMailer::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return FALSE;  // the focus is set
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void TfrmChooseMailer::OnInitDialog() {
    SetTexts();
    AddHints();
    Layout();
    const int remembered = *chosenRow_;
    FillList(remembered >= 0 && remembered < static_cast<int>(rows_.size()) ? remembered : 0);
    EnableOk();
    SetFocus(GetDlgItem(dialog_, kLstRunningMailers));
}

void TfrmChooseMailer::SetTexts() {
    SetWindowTextA(dialog_, kCaption);
    for (const ButtonText& b : kButtonTexts) {
        SetDlgItemTextA(dialog_, b.id, b.text);
    }
}

void TfrmChooseMailer::AddHints() {
    const HWND hints = CreateHints(dialog_);
    for (const ControlHint& h : kHints) {
        AddHint(hints, dialog_, GetDlgItem(dialog_, h.id), h.hint);
    }
}

void TfrmChooseMailer::Layout() {
    PlaceControls(dialog_, kControls);
    SetClientSize(dialog_, kClientWidth, kClientHeight);
    CentreIn(dialog_, ScreenArea());
}

void TfrmChooseMailer::FillList(int rowToSelect) {
    const HWND list = GetDlgItem(dialog_, kLstRunningMailers);
    for (const std::string& row : rows_) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(rowToSelect), 0);
}

int TfrmChooseMailer::SelectedRow() const {
    const LRESULT row = SendDlgItemMessageA(dialog_, kLstRunningMailers, LB_GETCURSEL, 0, 0);
    return row == LB_ERR ? -1 : static_cast<int>(row);
}

void TfrmChooseMailer::EnableOk() {
    EnableWindow(GetDlgItem(dialog_, IDOK), SelectedRow() >= 0);
}

void TfrmChooseMailer::OnCommand(int id, int notification) {
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
            EndDialog(dialog_, IDCANCEL);
            break;
        case IDHELP:
            openHelp_(dialog_, kHelpChooseMailer);
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
    EndDialog(dialog_, IDOK);
}
