#include "win32/PropsMailerLists.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>
#include <utility>

#include "mailers/MFDDirectory.h"
#include "mailers/MailerDetails.h"
#include "shell/MailerLists.h"
#include "shell/PropsModel.h"
#include "shell/props.h"
#include "support/error.h"
#include "win32/ControlIds.h"
#include "win32/Fonts.h"
#include "win32/PropsPopupMenu.h"
#include "win32/props.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kTextIndent = 2;
constexpr DWORD kTrackPoll = 50;  // ms between looks at the mouse button while nothing comes

constexpr PopupItem kLibraryMenu[] = {{kPopDetails, "&Details"}, {kPopMakeActive, "Make &Active"}};
constexpr PopupItem kActiveMenu[] = {{kPopDetails, "Details"},
                                     {kPopReturnToLibrary, "&Return to library"}};

int& SelectionOf(int listId) {
    return listId == kLstLibrary ? Props().selectedLibrary : Props().selectedActive;
}

const std::vector<std::string>& RowsOf(int listId) {
    return listId == kLstLibrary ? Mailers().library : Mailers().active;
}

// The row under the point of the list's client area; -1 over empty space.
int RowAt(HWND list, POINT at) {
    const auto hit =
        static_cast<DWORD>(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(at.x, at.y)));
    return HIWORD(hit) != 0 ? -1 : LOWORD(hit);
}

void ShowRows(HWND list, const std::vector<std::string>& rows, std::vector<std::string>& shown) {
    if (rows != shown) {
        const LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (const std::string& row : rows) {
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
        }
        SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        shown = rows;
    }
}

bool IsUserInput(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST) || message == WM_CONTEXTMENU;
}

int RowHeight(HWND list) {
    const WindowDc dc(list);
    const SelectedObject font(dc.Get(), FontOf(list));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc.Get(), &metrics);
    return metrics.tmHeight + 2;
}

}  // namespace

PropsMailerLists::PropsMailerLists(HWND window, std::function<void()> refresh)
    : window_(window),
      library_(GetDlgItem(window, kLstLibrary)),
      active_(GetDlgItem(window, kLstActive)),
      refresh_(std::move(refresh)) {
    for (const HWND list : {library_, active_}) {
        SendMessageA(list, LB_SETITEMHEIGHT, 0, RowHeight(list));
        SetWindowSubclass(list, ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
}

void PropsMailerLists::Show() {
    ShowRows(library_, Mailers().library, shownLibrary_);
    ShowRows(active_, Mailers().active, shownActive_);
    // The marks are drawn, not held in the rows' texts.
    if (Mailers().sameDriverMarks != shownMarks_) {
        shownMarks_ = Mailers().sameDriverMarks;
        InvalidateRect(active_, nullptr, TRUE);
    }
    SendMessageA(library_, LB_SETCURSEL, static_cast<WPARAM>(Props().selectedLibrary), 0);
    SendMessageA(active_, LB_SETCURSEL, static_cast<WPARAM>(Props().selectedActive), 0);
}

void PropsMailerLists::SelectionChanged(int listId) {
    SelectionOf(listId) =
        static_cast<int>(SendDlgItemMessageA(window_, listId, LB_GETCURSEL, 0, 0));
    refresh_();
}

void PropsMailerLists::DoubleClicked(int listId) {
    SelectionOf(listId) =
        static_cast<int>(SendDlgItemMessageA(window_, listId, LB_GETCURSEL, 0, 0));
    if (SelectionOf(listId) >= 0) {
        MoveSelected(listId);
    }
}

void PropsMailerLists::DrawRow(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const HWND list = item.hwndItem;
    std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, item.itemID, 0)),
                     '\0');
    SendMessageA(list, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    const bool marked = GetDlgCtrlID(list) == kLstActive &&
                        HasSameDriverMark(Mailers(), static_cast<int>(item.itemID));
    const std::string name = (marked ? "=" : "") + DisplayNameOf(text);
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    SetBkMode(item.hDC, TRANSPARENT);
    RECT textArea = item.rcItem;
    textArea.left += kTextIndent;
    DrawTextA(item.hDC, name.c_str(), static_cast<int>(name.size()), &textArea,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) != 0) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

LRESULT CALLBACK PropsMailerLists::ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(list, ListProc, id);
        return DefSubclassProc(list, message, wParam, lParam);
    }
    bool handled = false;
    RunGuarded(TfrmProps::kClassName, [&] {
        handled = IsUserInput(message) && RunLocksProps();
        handled = handled ||
                  reinterpret_cast<PropsMailerLists*>(self)->HandleMouse(list, message, lParam);
    });
    return handled ? 0 : DefSubclassProc(list, message, wParam, lParam);
}

// The list box's own handling of the buttons would select the row nearest to the mouse over
// empty space too; here only a row under the mouse becomes the selection.
bool PropsMailerLists::HandleMouse(HWND list, UINT message, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            ButtonDown(list, message == WM_LBUTTONDOWN, at);
            return true;
        case WM_LBUTTONDBLCLK:
            if (RowAt(list, at) >= 0) {
                Select(list, RowAt(list, at));
                DoubleClicked(GetDlgCtrlID(list));
            }
            return true;
        case WM_CONTEXTMENU:
            OpenMenu(list, at);
            return true;
        default:
            return false;
    }
}

void PropsMailerLists::ButtonDown(HWND list, bool leftButton, POINT at) {
    SetFocus(list);
    if (list == active_) {
        refresh_();
    }
    const int row = RowAt(list, at);
    Select(list, row);
    if (!leftButton) {
        return;  // the pop-up menu follows when the button is released
    }
    // The refresh lets pending messages through: the button may be up already.
    const bool held = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (row >= 0 && held) {
        POINT screen = at;
        ClientToScreen(list, &screen);
        Track(list, screen);
        return;
    }
    refresh_();
}

// Follows the mouse with the list captured until the button is released: a release where
// it was pressed is a click; after a move beyond the system's drag distance it is a drop,
// which moves the entry when the window under the mouse takes it. Escape abandons the drag;
// a release that reaches no window of this thread ends it as well.
void PropsMailerLists::Track(HWND list, POINT pressed) {
    const HCURSOR accepted = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR refused = LoadCursorA(nullptr, IDC_NO);
    const MailerList from = list == library_ ? MailerList::Library : MailerList::Active;
    bool dragging = false;
    bool dropped = false;
    HWND under = nullptr;
    SetCapture(list);
    while (GetCapture() == list) {
        MSG msg;
        if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0) {
                ReleaseCapture();
            } else {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, kTrackPoll, QS_ALLINPUT);
            }
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop
            break;
        }
        const DWORD position = GetMessagePos();
        const POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
        under = WindowFromPoint(at);
        if (msg.message == WM_MOUSEMOVE) {
            dragging = dragging || abs(at.x - pressed.x) > GetSystemMetrics(SM_CXDRAG) ||
                       abs(at.y - pressed.y) > GetSystemMetrics(SM_CYDRAG);
            SetCursor(!dragging || DropMoves(from, PlaceOf(under)) ? accepted : refused);
        } else if (msg.message == WM_LBUTTONUP) {
            dropped = dragging;
            ReleaseCapture();
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            dragging = false;
            ReleaseCapture();
        } else {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (dropped) {
        if (DropMoves(from, PlaceOf(under))) {
            MoveSelected(GetDlgCtrlID(list));
        }
    } else if (!dragging) {
        refresh_();  // a single click
    }
}

// Where the window under the mouse stands among the places of a drop.
DropPlace PropsMailerLists::PlaceOf(HWND window) const {
    switch (window && GetParent(window) == window_ ? GetDlgCtrlID(window) : 0) {
        case kLstLibrary:
            return DropPlace::Library;
        case kLstActive:
            return DropPlace::Active;
        case kLblNoMailers:
            return DropPlace::NoMailersNotice;
        default:
            return DropPlace::Elsewhere;
    }
}

// A menu asked for from the keyboard belongs to the selected entry.
void PropsMailerLists::OpenMenu(HWND list, POINT screenPoint) {
    const bool fromKeyboard = screenPoint.x == -1 && screenPoint.y == -1;
    int row = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
    if (fromKeyboard) {
        RECT rowArea{};
        SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&rowArea));
        screenPoint = {rowArea.left, rowArea.bottom};
        ClientToScreen(list, &screenPoint);
    } else {
        POINT client = screenPoint;
        ScreenToClient(list, &client);
        row = RowAt(list, client);
    }
    if (row < 0) {
        return;
    }
    Select(list, row);
    const int listId = GetDlgCtrlID(list);
    const int chosen = listId == kLstLibrary ? TrackPopup(window_, kLibraryMenu, screenPoint)
                                             : TrackPopup(window_, kActiveMenu, screenPoint);
    if (chosen == kPopDetails) {
        ShowDetails(listId);
    } else if (chosen != 0) {
        MoveSelected(listId);
    }
}

void PropsMailerLists::Select(HWND list, int row) {
    SelectionOf(GetDlgCtrlID(list)) = row;
    SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// Mailers sharing the selected entry's driver move with it.
void PropsMailerLists::MoveSelected(int listId) {
    if (listId == kLstLibrary) {
        MakeActive();
    } else {
        ReturnToLibrary();
    }
    refresh_();
}

void PropsMailerLists::ShowDetails(int listId) {
    const std::vector<std::string>& rows = RowsOf(listId);
    const int row = SelectionOf(listId);
    if (row >= 0 && row < static_cast<int>(rows.size())) {
        ShowMailerDetails(DriverFileOf(rows[static_cast<std::size_t>(row)]));
    }
}
