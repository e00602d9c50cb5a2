#include "win32/Tips.h"

#include <string>
#include <utility>

#include "support/AppInfo.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/DialogProc.h"
#include "win32/DialogTemplate.h"
#include "win32/PropsIcons.h"

namespace {

constexpr const char* kCaptionSuffix = " - Tip of the Day";
constexpr int kClientWidth = 363;
constexpr int kClientHeight = 204;
constexpr int kHeadingPoints = 12;
constexpr int kTipMargin = 8;  // between the tip area's edge and its text

constexpr ControlPlace kControls[] = {
    {kImgTipIcon, 8, 8, 32, 32},     {kLblTipHeading, 48, 14, 220, 24},
    {kLblTipText, 48, 44, 220, 124}, {IDOK, 280, 8, 75, 25},
    {kBtnTipNext, 280, 40, 75, 25},  {kBtnTipPrevious, 280, 72, 75, 25},
    {IDHELP, 280, 104, 75, 25},      {kChkShowTips, 48, 178, 220, 17},
};

struct ControlText {
    int id;
    const char* text;
};

constexpr ControlText kControlTexts[] = {
    {kLblTipHeading, "Did you know?"}, {IDOK, "&Ok"},     {kBtnTipNext, "&Next"},
    {kBtnTipPrevious, "&Previous"},    {IDHELP, "&Help"}, {kChkShowTips, "Show these tips"},
};

HFONT CreateHeadingFont() {
    const HDC screen = GetDC(nullptr);
    const int height = -MulDiv(kHeadingPoints, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontA(height, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "MS Shell Dlg");
}

}  // namespace

TfrmTips::TfrmTips(ITipBrowser& tips, HelpOpener openHelp)
    : tips_(tips), openHelp_(std::move(openHelp)), headingFont_(CreateHeadingFont()) {}

void TfrmTips::ShowModal() {
    // A single fixed border with the system menu only: no minimise, maximise or sizing.
    DialogTemplate layout(WS_POPUP | WS_CAPTION | WS_SYSMENU, L"MS Shell Dlg", 8, WS_EX_TOPMOST);
    layout.AddControl(DialogTemplate::kStatic, kImgTipIcon, SS_ICON);
    layout.AddControl(DialogTemplate::kStatic, kLblTipHeading, SS_LEFT | SS_NOPREFIX);
    // Drawn by the window: white, with the text centred both ways.
    layout.AddControl(DialogTemplate::kStatic, kLblTipText, SS_OWNERDRAW | SS_SUNKEN);
    layout.AddControl(DialogTemplate::kButton, IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, kBtnTipNext, BS_PUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, kBtnTipPrevious, BS_PUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, IDHELP, BS_PUSHBUTTON | WS_TABSTOP);
    layout.AddControl(DialogTemplate::kButton, kChkShowTips, BS_AUTOCHECKBOX | WS_TABSTOP);
    layout.ShowModal(nullptr, ForwardToDialog<TfrmTips>, reinterpret_cast<LPARAM>(this));
}

INT_PTR TfrmTips::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            return FALSE;  // the focus is set
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DRAWITEM:
            DrawTipArea(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void TfrmTips::OnInitDialog() {
    SetTexts();
    Layout();
    CheckDlgButton(dialog_, kChkShowTips, tips_.ShowTips() ? BST_CHECKED : BST_UNCHECKED);
    ShowCurrentTip();
    SendMessageA(dialog_, DM_SETDEFID, IDOK, 0);
    SetFocus(GetDlgItem(dialog_, IDOK));
}

void TfrmTips::SetTexts() {
    SetWindowTextA(dialog_, (std::string(kAppTitle) + kCaptionSuffix).c_str());
    for (const ControlText& c : kControlTexts) {
        SetDlgItemTextA(dialog_, c.id, c.text);
    }
    SendDlgItemMessageA(dialog_, kLblTipHeading, WM_SETFONT,
                        reinterpret_cast<WPARAM>(headingFont_.Get()), FALSE);
    SendDlgItemMessageA(dialog_, kImgTipIcon, STM_SETICON,
                        reinterpret_cast<WPARAM>(ResourceIcon(kProgramIconId)), 0);
}

void TfrmTips::Layout() {
    PlaceControls(dialog_, kControls);
    SetClientSize(dialog_, kClientWidth, kClientHeight);
    CentreIn(dialog_, ScreenArea());
}

void TfrmTips::ShowCurrentTip() {
    SetDlgItemTextA(dialog_, kLblTipText, tips_.Text().c_str());
    EnableWindow(GetDlgItem(dialog_, IDHELP), tips_.HelpContext() != 0);
}

void TfrmTips::OnCommand(int id, int notification) {
    switch (id) {
        case IDOK:
        case IDCANCEL:  // Escape and the close box
            EndDialog(dialog_, IDOK);
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
            openHelp_(dialog_, tips_.HelpContext());
            EndDialog(dialog_, IDOK);
            break;
        case kChkShowTips:
            if (notification == BN_CLICKED) {
                tips_.SetShowTips(IsDlgButtonChecked(dialog_, kChkShowTips) == BST_CHECKED);
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
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)));
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
    SelectObject(dc, oldFont);
}
