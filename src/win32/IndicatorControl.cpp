#include "win32/IndicatorControl.h"

#include "mailers/ConfirmWindow.h"
#include "win32/ControlIds.h"
#include "win32/DialogLayout.h"
#include "win32/Fonts.h"

namespace {

constexpr const char* kClassName = "TfrmIndicatorControl";
constexpr const char* kQuestion = "Is this the correct Window?";
// No border and no title bar; a tool window has no taskbar button.
constexpr DialogFrame kFrame{WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW, 536, 68, 0};
constexpr int kLabel2Height = 9;
constexpr int kButtonWidth = 57;
constexpr int kButtonHeight = 25;

// The buttons come first, so that they stand in front of the label that they lie on; the
// labels leave the buttons' areas to them.
constexpr ControlDef kControls[] = {
    {IDYES, "BUTTON", "&Yes", BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 0, 211, 31, kButtonWidth,
     kButtonHeight, 0, nullptr},
    {IDNO, "BUTTON", "&No", BS_PUSHBUTTON | WS_TABSTOP, 0, 0, 268, 31, kButtonWidth, kButtonHeight,
     0, nullptr},
    {kLblIndicatorLabel2, "STATIC", "", WS_CLIPSIBLINGS, 0, 0, 0, 0, 536, kLabel2Height, 0,
     nullptr},
    {kLblIndicatorLabel1, "STATIC", kQuestion, SS_CENTER | SS_NOTIFY | WS_CLIPSIBLINGS, 0, 0, 0,
     kLabel2Height, 536, 68 - kLabel2Height, 0, nullptr},
};

}  // namespace

TfrmIndicatorControl::TfrmIndicatorControl()
    : ModalDialog(kClassName, OpenHelpTopic), questionFont_(MakeFont("MS Sans Serif", 10)) {}

bool TfrmIndicatorControl::Ask(const IndicatorPlaces& places) {
    places_ = &places;
    const INT_PTR answer = Run(nullptr, kFrame, kQuestion, kControls);
    bars_.clear();
    places_ = nullptr;
    return answer == IDYES;
}

// The bars are made once the dialog runs: the thread's windows made before it are disabled
// while it is open, and a disabled bar could not be clicked away.
void TfrmIndicatorControl::OnInit() {
    SendMessageA(Item(kLblIndicatorLabel1), WM_SETFONT,
                 reinterpret_cast<WPARAM>(questionFont_.Get()), FALSE);
    const ScreenRect& panel = places_->panel;
    SetWindowPos(Handle(), HWND_TOPMOST, panel.left, panel.top, panel.Width(), panel.Height(),
                 SWP_NOACTIVATE);
    ShowBars();
    SendMessageA(Handle(), DM_SETDEFID, IDYES, 0);
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetFocus(Item(IDYES));
}

void TfrmIndicatorControl::ShowBars() {
    for (const ScreenRect* place : {&places_->leftBar, &places_->topBar, &places_->rightBar}) {
        bars_.push_back(std::make_unique<TfrmIndicator>(*place));
        bars_.back()->Show();
    }
}

void TfrmIndicatorControl::Layout() {
    RECT client{};
    GetClientRect(Handle(), &client);
    PlaceControl(Item(kLblIndicatorLabel2), 0, 0, client.right, kLabel2Height);
    PlaceControl(Item(kLblIndicatorLabel1), 0, kLabel2Height, client.right,
                 client.bottom - kLabel2Height);
    const PanelButtonPlaces buttons =
        PanelButtonLayout(0, client.right, kButtonWidth, kButtonHeight);
    PlaceControl(Item(IDYES), buttons.yesLeft, buttons.top, kButtonWidth, kButtonHeight);
    PlaceControl(Item(IDNO), buttons.noLeft, buttons.top, kButtonWidth, kButtonHeight);
}

void TfrmIndicatorControl::OnCommand(int id, int notification, HWND /*control*/) {
    if (id == IDYES || id == IDNO) {
        End(id);
    } else if (id == kLblIndicatorLabel1 && notification == STN_CLICKED) {
        Layout();
    }
}

void TfrmIndicatorControl::OnClose() {
    End(IDNO);
}

bool TfrmIndicatorControl::OnMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/,
                                     INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            // The first size comes before the controls exist.
            if (Item(IDYES)) {
                Layout();
            }
            return false;
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_HIGHLIGHTTEXT));
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            [[fallthrough]];
        case WM_CTLCOLORDLG:
            result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_HIGHLIGHT));
            return true;
        default:
            return false;
    }
}
