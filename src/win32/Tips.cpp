#include "win32/Tips.h"

#include <string>
#include <utility>

#include "support/AppInfo.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/Fonts.h"
#include "win32/PropsIcons.h"

namespace {

constexpr const char* kClassName = "TfrmTips";
constexpr const char* kCaptionSuffix = " - Tip of the Day";
constexpr int kTipMargin = 8;  // between the tip area's edge and its text

// A single fixed border with the system menu only: no minimise, maximise or sizing.
constexpr DialogFrame kFrame{WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_TOPMOST, 363, 204, 0};

constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP;

constexpr ControlDef kControls[] = {
    {kImgTipIcon, "STATIC", "", SS_ICON, 0, 0, 8, 8, 32, 32, 0, nullptr},
    {kLblTipHeading, "STATIC", "Did you know?", SS_LEFT | SS_NOPREFIX, 0, 0, 48, 14, 220, 24, 0,
     nullptr},
    // Drawn by the window: white, with the text centred both ways.
    {kLblTipText, "STATIC", "", SS_OWNERDRAW | SS_SUNKEN, 0, 0, 48, 44, 220, 124, 0, nullptr},
    {IDOK, "BUTTON", "&Ok", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 280, 8, 75, 25, 0, nullptr},
    {kBtnTipNext, "BUTTON", "&Next", kButton, 0, 0, 280, 40, 75, 25, 0, nullptr},
    {kBtnTipPrevious, "BUTTON", "&Previous", kButton, 0, 0, 280, 72, 75, 25, 0, nullptr},
    {IDHELP, "BUTTON", "&Help", kButton, 0, 0, 280, 104, 75, 25, 0, nullptr},
    {kChkShowTips, "BUTTON", "Show these tips", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 0, 48, 178, 220,
     17, 0, nullptr},
};

}  // namespace

TfrmTips::TfrmTips(ITipBrowser& tips, HelpOpener openHelp)
    : ModalDialog(kClassName, std::move(openHelp)),
      tips_(tips),
      headingFont_(MakeFont("MS Shell Dlg", 12, FW_BOLD)) {}

void TfrmTips::ShowModal() {
    Run(nullptr, kFrame, std::string(kAppTitle) + kCaptionSuffix, kControls);
}

void TfrmTips::OnInit() {
    SendMessageA(Item(kLblTipHeading), WM_SETFONT, reinterpret_cast<WPARAM>(headingFont_.Get()),
                 FALSE);
    SendMessageA(Item(kImgTipIcon), STM_SETICON,
                 reinterpret_cast<WPARAM>(ResourceIcon(kProgramIconId)), 0);
    CentreIn(Handle(), ScreenArea());
    CheckDlgButton(Handle(), kChkShowTips, tips_.ShowTips() ? BST_CHECKED : BST_UNCHECKED);
    ShowCurrentTip();
    SendMessageA(Handle(), DM_SETDEFID, IDOK, 0);
    SetFocus(Item(IDOK));
}

void TfrmTips::ShowCurrentTip() {
    SetWindowTextA(Item(kLblTipText), tips_.Text().c_str());
    EnableWindow(Item(IDHELP), tips_.HelpContext() != 0);
}

// Escape and the close box end it as "&Ok" does.
void TfrmTips::OnClose() {
    End(IDOK);
}

bool TfrmTips::OnMessage(UINT message, WPARAM /*wParam*/, LPARAM lParam, INT_PTR& result) {
    if (message != WM_DRAWITEM) {
        return false;
    }
    DrawTipArea(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

void TfrmTips::OnCommand(int id, int notification, HWND /*control*/) {
    switch (id) {
        case IDOK:
            End(IDOK);
            break;
        case kBtnTipNext:
            tips_.Next();
            ShowCurrentTip();
            break;
        case kBtnTipPrevious:
            tips_.Previous();
            ShowCurrentTip();
            break;
        case IDHELP:
            OpenHelp(tips_.HelpContext());
            End(IDOK);
            break;
        case kChkShowTips:
            if (notification == BN_CLICKED) {
                tips_.SetShowTips(IsDlgButtonChecked(Handle(), kChkShowTips) == BST_CHECKED);
            }
            break;
        default:
            break;
    }
}

// The tip in black on white, centred across and, as far as it fits, down.
void TfrmTips::DrawTipArea(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::string& text = tips_.Text();
    const int length = static_cast<int>(text.size());
    const SelectedObject font(dc, FontOf(Handle()));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    RECT area = item.rcItem;
    InflateRect(&area, -kTipMargin, -kTipMargin);
    constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = area;
    DrawTextA(dc, text.c_str(), length, &measured, kFormat | DT_CALCRECT);
    const int spare = (area.bottom - area.top) - (measured.bottom - measured.top);
    if (spare > 0) {
        area.top += spare / 2;
    }
    DrawTextA(dc, text.c_str(), length, &area, kFormat);
}
