#include "win32/props.h"

#include <commctrl.h>

#include <stdexcept>
#include <string_view>
#include <utility>

#include "core/CoreState.h"
#include "platform/Application.h"
#include "platform/Platform.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/TrayDuties.h"
#include "shell/props.h"
#include "support/error.h"
#include "support/placefrm.h"
#include "win32/ControlIds.h"
#include "win32/PropsIcons.h"
#include "win32/PropsMailerLists.h"
#include "win32/PropsPages.h"
#include "win32/PropsText.h"
#include "win32/PropsTray.h"
#include "win32/WindowClass.h"
#include "win32/WindowHandle.h"

namespace {

constexpr int kClientWidth = 449;
constexpr int kClientHeight = 332;
constexpr RECT kTabsPlace{6, 6, 443, 292};
// Without WS_CLIPCHILDREN: the window paints the page area under its controls too, and it
// shows through the frames on the pages.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_CONTROLPARENT;
constexpr COLORREF kNoticeText = RGB(255, 0, 0);
// A close request that came during a run looks this often whether the run has ended.
constexpr UINT_PTR kCloseAfterRun = 2;
constexpr UINT kCloseAfterRunPoll = 100;
constexpr COLORREF kNoticeBack = RGB(255, 255, 0);

// A hidden tool window: a window it owns gets no taskbar button.
HWND CreateTaskbarOwner() {
    return CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

constexpr WPARAM kAboutSelectionLength = 9999;

// A press on the About text selects it all, ready to copy; the press starts no selection of
// its own.
LRESULT CALLBACK AboutTextProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(edit, AboutTextProc, id);
    } else if (message == WM_LBUTTONDOWN) {
        SetFocus(edit);
        SendMessageA(edit, EM_SETSEL, 0, kAboutSelectionLength);
        return 0;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

bool IsKeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

}  // namespace

TfrmProps::TfrmProps(Win32Platform& platform, HelpOpener openHelp)
    : platform_(platform),
      openHelp_(std::move(openHelp)),
      noticeBrush_(CreateSolidBrush(kNoticeBack)) {
    static const ATOM registered = RegisterWindowClass(
        kClassName, WindowProc, GetSysColorBrush(COLOR_BTNFACE), ResourceIcon(kProgramIconId));
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    window_ = CreateWindowExA(kExStyle, registered ? kClassName : nullptr, "Tervane 5", kStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                              this);
    if (!window_) {
        throw std::runtime_error("Cannot create the properties window");
    }
    CreateControls();
    keyHook_ = SetWindowsHookExA(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
    platform_.ui.SetMainWindow(window_);
    previousProperties_ = Core().collaborators.properties;
    Core().collaborators.properties = this;
}

TfrmProps::~TfrmProps() {
    Core().collaborators.properties = previousProperties_;
    platform_.ui.SetMainWindow(nullptr);
    platform_.dialogs.SetOwner(nullptr);
    UnhookWindowsHookEx(keyHook_);
    if (window_) {
        DestroyWindow(window_);
    }
    if (owner_) {
        DestroyWindow(owner_);
    }
}

void TfrmProps::CreateControls() {
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    pages_ = std::make_unique<PropsPages>(window_, kTabsPlace, font);
    lists_ = std::make_unique<PropsMailerLists>(window_, [this] { Refresh(); });
    tray_ = std::make_unique<PropsTray>(
        window_, [this] { ShowPropsWindow(); }, openHelp_, platform_.tipWindow);
    SetWindowSubclass(GetDlgItem(window_, kTxtAbout), AboutTextProc, 0, 0);
    SendDlgItemMessageA(window_, kImgAboutIcon, STM_SETICON,
                        reinterpret_cast<WPARAM>(ResourceIcon(kProgramIconId)), 0);
    ShowModel();
    pages_->Show(Shell().recentPage);
}

void TfrmProps::ShowPropsWindow() {
    PlaceForm(ToWindowId(window_), 0.5, 0.5);
    ShowWindow(window_, SW_SHOW);
    FormShow();
}

void TfrmProps::FormShow() {
    SelectPage(Shell().recentPage);
    Refresh();
    SetForegroundWindow(window_);
}

void TfrmProps::HideFromTaskbar() {
    if (!owner_) {
        owner_ = CreateTaskbarOwner();
        platform_.dialogs.SetOwner(owner_);
    }
    SetWindowLongPtrA(window_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_));
}

void TfrmProps::Hide() {
    ShowWindow(window_, SW_HIDE);
}

void TfrmProps::ShowPGPToolsButton(bool show) {
    pages_->Allow(kBtnPGPTools, show);
}

// The rules first (they set the same-driver marks), then the model into the controls.
void TfrmProps::Refresh() {
    const PropsView view = RefreshPropsWindow();
    ShowModel();
    ApplyView(view);
}

void TfrmProps::ActivateTrayIcons() {
    tray_->Activate();
}

int TfrmProps::ProcessingIndex() {
    return Props().optProcessing;
}

int TfrmProps::OutwardIndex() {
    return Props().optOutward;
}

bool TfrmProps::ForceKeyRead() {
    return Props().chkForceKeyRead;
}

bool TfrmProps::IgnoreWrappedKeys() {
    return Props().chkIgnoreWrappedKeys;
}

std::vector<std::string> TfrmProps::MailingListAddresses() {
    return Props().mailingList;
}

void TfrmProps::SetClipboardReceiverText(const std::string& text) {
    ::SetClipboardReceiverText(text);
}

void TfrmProps::HideMainWindow() {
    Hide();
}

void TfrmProps::ShowModel() {
    const PropsModel& props = Props();
    showingModel_ = true;
    const auto check = [this](int first, int choice) {
        for (int i = 0; i < 3; ++i) {
            CheckDlgButton(window_, first + i, i == choice ? BST_CHECKED : BST_UNCHECKED);
        }
    };
    check(kOptProcessingEncrypt, props.optProcessing);
    check(kOptOutwardEncrypt, props.optOutward);
    CheckDlgButton(window_, kChkForceKeyRead, props.chkForceKeyRead ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, kChkIgnoreWrappedKeys,
                   props.chkIgnoreWrappedKeys ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(window_, kChkTipEnabled, props.chkTipEnabled ? BST_CHECKED : BST_UNCHECKED);
    ShowAddresses();
    ShowText(GetDlgItem(window_, kTxtAbout), props.aboutText);
    lists_->Show();
    showingModel_ = false;
}

void TfrmProps::ShowAddresses() {
    const PropsModel& props = Props();
    ShowText(GetDlgItem(window_, kTxtMailingListAddress), props.addressEdit);
    if (props.mailingList != shownAddresses_) {
        SendDlgItemMessageA(window_, kLstMailingListAddress, LB_RESETCONTENT, 0, 0);
        for (const std::string& address : props.mailingList) {
            SendDlgItemMessageA(window_, kLstMailingListAddress, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(address.c_str()));
        }
        shownAddresses_ = props.mailingList;
    }
    SendDlgItemMessageA(window_, kLstMailingListAddress, LB_SETCURSEL,
                        static_cast<WPARAM>(props.selectedAddress), 0);
}

// With no active mailer the window shows itself on the Mailer Choice page.
void TfrmProps::ApplyView(const PropsView& view) {
    EnableWindow(GetDlgItem(window_, kBtnAddAddress), view.addEnabled);
    EnableWindow(GetDlgItem(window_, kBtnRemoveAddress), view.removeEnabled);
    pages_->ShowMailerTabs(view.mailerTabsShown);
    pages_->Allow(kLblNoMailers, view.noticeShown);
    pages_->Show(Shell().recentPage);
    if (view.showMailerChoice && !IsWindowVisible(window_)) {
        ShowPropsWindow();
    }
}

void TfrmProps::TabChanged() {
    const int page = SelectPage(pages_->SelectedTabPage());
    if (page >= 0) {
        pages_->Show(page);
    }
}

// A control without a topic of its own has its page's; the tabs have the shown page's.
void TfrmProps::OpenContextHelp(const HELPINFO& help) {
    int context = static_cast<int>(help.dwContextId);
    if (context == 0 && help.iCtrlId == kTabPages) {
        context = PageHelpContext(Shell().recentPage);
    }
    if (context != 0) {
        openHelp_(window_, context);
    }
}

LRESULT TfrmProps::ControlColour(HDC dc, HWND control) {
    if (GetDlgCtrlID(control) == kLblNoMailers) {
        SetTextColor(dc, kNoticeText);
        SetBkColor(dc, kNoticeBack);
        return reinterpret_cast<LRESULT>(noticeBrush_.Get());
    }
    if (const HBRUSH page = pages_ ? pages_->PageBackground(control, dc) : nullptr) {
        return reinterpret_cast<LRESULT>(page);
    }
    // The rest, the read-only About text among them, on the button face.
    return DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
}

// Visible, a close request is the user's Cancel and is refused; hidden, it comes from the
// system or another program and ends the program. A run in progress uses the window: the
// request is kept and carried out once the run has ended.
void TfrmProps::FormCloseQuery() {
    Checkpoint() = 91000;
    const bool visible = IsWindowVisible(window_) != FALSE;
    if (!visible && RunLocksProps()) {
        SetTimer(window_, kCloseAfterRun, kCloseAfterRunPoll, nullptr);
        return;
    }
    if (visible) {
        btnCancelClick();
    }
    Checkpoint() = 91010;
    if (!visible) {
        Os().application->Terminate();
        DestroyWindow(window_);
    }
}

void TfrmProps::FormDestroy() {
    Checkpoint() = 90000;
    tray_.reset();  // the icons leave the notification area
    Checkpoint() = 90020;
    Core().collaborators.properties = previousProperties_;
    Checkpoint() = 90030;
}

LRESULT CALLBACK TfrmProps::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToWindow<TfrmProps>(kClassName, window, message, wParam, lParam);
}

LRESULT TfrmProps::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (!showingModel_) {
                OnCommand(LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                TabChanged();
            }
            return 0;
        case WM_DRAWITEM:
            if (lists_) {
                lists_->DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            }
            return TRUE;
        case WM_ERASEBKGND:
            DefWindowProcA(window_, message, wParam, lParam);
            if (pages_) {
                pages_->PaintUnderTabs(reinterpret_cast<HDC>(wParam));
            }
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_HELP:
            OpenContextHelp(*reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_TIMER:
            if (wParam == PropsTray::kTimer1) {
                // The timer is a component of its own: its failures are reported as its.
                RunGuarded("TTimer", [this] { tray_->Timer1Timer(); });
            } else if (wParam == kCloseAfterRun && !RunLocksProps()) {
                KillTimer(window_, kCloseAfterRun);
                FormCloseQuery();
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                Hide();  // minimising hides the window instead
                return 0;
            }
            break;
        case WM_CLOSE:
            FormCloseQuery();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;  // the session may end even while the window is shown
        case WM_ENDSESSION:
            if (wParam) {
                Os().application->Terminate();
            }
            return 0;
        case WM_DESTROY:
            FormDestroy();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

// Sees every message the thread takes from its queue, before it is dispatched. Of the key
// messages for the window and its controls, the window sees the presses first (Ctrl+Alt+A)
// and takes the dialog keys (Tab, Enter, Escape, mnemonics) as a dialog does; a message it
// handles is emptied so that the loop passes it over. Other messages pass untouched. The
// hook has no data of its own: the window is the top-level window the message is for.
LRESULT CALLBACK TfrmProps::KeyHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG& msg = *reinterpret_cast<MSG*>(lParam);
        if (TfrmProps* window = PropsWindowOf(msg.hwnd); window && window->PreviewKey(msg)) {
            msg.message = WM_NULL;
        }
    }
    // The hook handle is ignored by the system here.
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TfrmProps* TfrmProps::PropsWindowOf(HWND window) {
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    char className[32] = "";
    if (!root || !GetClassNameA(root, className, sizeof className) ||
        std::string_view(className) != kClassName) {
        return nullptr;
    }
    return reinterpret_cast<TfrmProps*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

bool TfrmProps::PreviewKey(MSG& msg) {
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    if (!key || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) {
        return false;
    }
    bool handled = false;
    RunGuarded(kClassName, [&] {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            handled = PropsKeyDown(static_cast<int>(msg.wParam), IsKeyDown(VK_CONTROL),
                                   IsKeyDown(VK_MENU));
        }
        handled = handled || IsDialogMessageA(window_, &msg) != FALSE;
    });
    return handled;
}
