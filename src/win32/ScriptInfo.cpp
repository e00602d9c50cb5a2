#include "win32/ScriptInfo.h"

#include <utility>

#include "support/placefrm.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/DialogProc.h"
#include "win32/DialogTemplate.h"
#include "win32/WindowHandle.h"

namespace {

constexpr int kClientWidth = 618;
constexpr int kClientHeight = 297;
constexpr double kPlaceFraction = 0.33;
constexpr int kMemoFontHeight = 13;

constexpr ControlPlace kControls[] = {
    {kTxtText1, 8, 8, 601, 257},
    {kImgScriptInfoIcon, 8, 264, 32, 32},
    {kBtnCommand1, 560, 272, 49, 21},
};

HFONT CreateMemoFont() {
    return CreateFontA(-kMemoFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Sans Serif");
}

}  // namespace

TfrmShowScriptInfo::TfrmShowScriptInfo(std::string caption, std::string text)
    : caption_(std::move(caption)), text_(std::move(text)), memoFont_(CreateMemoFont()) {}

void TfrmShowScriptInfo::ShowModal(HWND owner) {
    // A single border and a caption without the system menu: no title-bar buttons.
    DialogTemplate layout(WS_POPUP | WS_CAPTION, L"MS Shell Dlg", 8);
    // Without ES_WANTRETURN, Enter in the memo presses Close as it does elsewhere.
    layout.AddControl(DialogTemplate::kEdit, kTxtText1,
                      ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
                          WS_BORDER | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kStatic, kImgScriptInfoIcon, SS_ICON);
    layout.AddControl(DialogTemplate::kButton, kBtnCommand1, BS_DEFPUSHBUTTON | WS_TABSTOP);
    layout.ShowModal(owner, ForwardToDialog<TfrmShowScriptInfo>, reinterpret_cast<LPARAM>(this));
}

INT_PTR TfrmShowScriptInfo::HandleMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return FALSE;  // the focus is set
        case WM_COMMAND:
            // Close, Enter (Close is the default button) and Escape all end it.
            if (LOWORD(wParam) == kBtnCommand1 || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog_, IDCANCEL);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void TfrmShowScriptInfo::OnInitDialog() {
    SetContents();
    Layout();
    SendMessageA(dialog_, DM_SETDEFID, kBtnCommand1, 0);
    // On Close rather than in the memo, where the dialog manager would select all the text.
    SetFocus(GetDlgItem(dialog_, kBtnCommand1));
}

void TfrmShowScriptInfo::SetContents() {
    SetWindowTextA(dialog_, caption_.c_str());
    const HWND memo = GetDlgItem(dialog_, kTxtText1);
    SendMessageA(memo, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.Get()), FALSE);
    SetWindowTextA(memo, text_.c_str());
    SendDlgItemMessageA(dialog_, kImgScriptInfoIcon, STM_SETICON,
                        reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)), 0);
    SetDlgItemTextA(dialog_, kBtnCommand1, "Close");
}

void TfrmShowScriptInfo::Layout() {
    PlaceControls(dialog_, kControls);
    SetClientSize(dialog_, kClientWidth, kClientHeight);
    PlaceForm(ToWindowId(dialog_), kPlaceFraction, kPlaceFraction);
}
