#include "win32/PropsPages.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "shell/PropsModel.h"
#include "shell/props.h"
#include "support/HelpContexts.h"
#include "win32/ControlDef.h"
#include "win32/ControlIds.h"

namespace {

constexpr int kBelowPages = -2;  // the buttons under the tab control, placed in the client area

constexpr const char* kPageCaptions[] = {"Routine", "Special", "Mailer Choice", "Options", "About"};
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP;
constexpr DWORD kFirstChoice = BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP;
constexpr DWORD kChoice = BS_AUTORADIOBUTTON;
constexpr DWORD kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP;
constexpr DWORD kGroupBox = BS_GROUPBOX | WS_GROUP;
constexpr DWORD kLabel = SS_LEFT | WS_GROUP;
constexpr DWORD kList = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | WS_GROUP;
// Rows hold the display name, 200 blanks and the driver file: the window draws the name.
constexpr DWORD kMailerList = kList | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;

// In creation order, which is the order of the Tab key and, from the top down, the order
// in which they lie over each other: a label comes before the control its mnemonic reaches,
// a frame before its contents, and the notice before the Active list that it covers.
constexpr ControlDef kControls[] = {
    // Routine
    {kOptProcessing, "BUTTON", " Outward &Mail ", kGroupBox, 0, 0, 8, 4, 200, 92,
     kHelpOutwardChoice, nullptr},
    {kOptProcessingEncrypt, "BUTTON", "&Encrypt", kFirstChoice, 0, 0, 20, 24, 170, 20,
     kHelpOutwardChoice, nullptr},
    {kOptProcessingSign, "BUTTON", "S&ign", kChoice, 0, 0, 20, 46, 170, 20, kHelpOutwardChoice,
     nullptr},
    {kOptProcessingEncryptAndSign, "BUTTON", "Encrypt &and Sign", kChoice, 0, 0, 20, 68, 170, 20,
     kHelpOutwardChoice, nullptr},
    {kBtnRunRoutine, "BUTTON", "R&un", kButton, 0, 0, 300, 40, 75, 25, 0, nullptr},
    {kGrpMailingList, "BUTTON", " Sign Outward &Forum/News/Mailing List Posting ", kGroupBox, 0, 0,
     8, 102, 413, 152, kHelpMailingLists, nullptr},
    {kLblMailingListAddress, "STATIC", "&New Mailing List Address", kLabel, 0, 0, 20, 122, 290, 16,
     kHelpMailingLists, nullptr},
    {kTxtMailingListAddress, "EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, WS_EX_CLIENTEDGE,
     0, 20, 140, 290, 22, kHelpNewAddress, nullptr},
    {kBtnAddAddress, "BUTTON", "A&dd", kButton, 0, 0, 326, 138, 75, 25, kHelpAddAddress,
     "Add to the list"},
    {kLblMailingListNote, "STATIC",
     "Mail &to these mailing list addresses will be considered \"posts\" and signed - not "
     "encrypted",
     kLabel, 0, 0, 20, 166, 290, 30, kHelpMailingLists, nullptr},
    {kLstMailingListAddress, "LISTBOX", "", kList, WS_EX_CLIENTEDGE, 0, 20, 198, 290, 50,
     kHelpAddressList, nullptr},
    {kBtnRemoveAddress, "BUTTON", "Remo&ve", kButton, 0, 0, 326, 198, 75, 25, kHelpRemoveAddress,
     "Remove from the list"},
    // Special
    {kOptOutward, "BUTTON", " Outward ", kGroupBox, 0, 1, 8, 4, 200, 92, kHelpOutwardChoice,
     nullptr},
    {kOptOutwardEncrypt, "BUTTON", "&Encrypt", kFirstChoice, 0, 1, 20, 24, 170, 20,
     kHelpOutwardChoice, nullptr},
    {kOptOutwardSign, "BUTTON", "S&ign", kChoice, 0, 1, 20, 46, 170, 20, kHelpOutwardChoice,
     nullptr},
    {kOptOutwardEncryptAndSign, "BUTTON", "Encrypt &and Sign", kChoice, 0, 1, 20, 68, 170, 20,
     kHelpOutwardChoice, nullptr},
    {kBtnRun, "BUTTON", "R&un", kButton, 0, 1, 300, 40, 75, 25, kHelpRunSpecial, nullptr},
    {kChkForceKeyRead, "BUTTON", "&Prefer key import over message reading", kCheckBox, 0, 1, 8, 104,
     413, 20, kHelpForceKeyRead, nullptr},
    {kLblSpecialNote, "STATIC",
     "Use the options above for the occasional message that requires different processing "
     "from the majority of your work. Select the required option above and then press Run to "
     "process.",
     kLabel | SS_NOPREFIX, 0, 1, 8, 128, 413, 44, 0, nullptr},
    {kGrpDirectPGP, "BUTTON", " Direct access to PGP ", kGroupBox, 0, 1, 8, 178, 413, 70,
     kHelpDirectPGP, nullptr},
    {kBtnPGPKeys, "BUTTON", "PGP&Keys", kButton, 0, 1, 18, 204, 75, 25, kHelpDirectPGP, nullptr},
    {kBtnPGPTray, "BUTTON", "PGP&Tray", kButton, 0, 1, 98, 204, 75, 25, kHelpDirectPGP, nullptr},
    {kBtnPGPTools, "BUTTON", "&PGPTools", kButton, 0, 1, 178, 204, 75, 25, kHelpDirectPGP, nullptr},
    {kBtnPreferences, "BUTTON", "Pre&ferences", kButton, 0, 1, 258, 204, 75, 25, kHelpDirectPGP,
     nullptr},
    {kBtnPGPHelpFile, "BUTTON", "Hel&p File", kButton, 0, 1, 338, 204, 75, 25, kHelpDirectPGP,
     nullptr},
    // Mailer Choice
    {kLblLibrary, "STATIC", "&Library: Drag mailers from this list to the active list", kLabel, 0,
     2, 8, 4, 200, 30, kHelpLibrary, nullptr},
    {kLstLibrary, "LISTBOX", "", kMailerList, WS_EX_CLIENTEDGE, 2, 8, 36, 200, 214, kHelpLibrary,
     nullptr},
    {kLblActive, "STATIC", "&Active List", kLabel, 0, 2, 221, 18, 200, 16, kHelpActiveList,
     nullptr},
    {kLblNoMailers, "STATIC",
     "No mailers are in the Active list. You must move at least one from the Library into the "
     "Active list.",
     SS_CENTER | SS_NOPREFIX | SS_NOTIFY | SS_SUNKEN, 0, 2, 233, 100, 176, 80, kHelpActiveList,
     nullptr},
    {kLstActive, "LISTBOX", "", kMailerList | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, 2, 221, 36, 200,
     214, kHelpActiveList, nullptr},
    // Options
    {kGrpTips, "BUTTON", " &Tip of the day ", kGroupBox, 0, 3, 8, 4, 200, 88, kHelpTipOfTheDay,
     nullptr},
    {kChkTipEnabled, "BUTTON", "&Enable", kCheckBox, 0, 3, 20, 26, 170, 20, kHelpTipOfTheDay,
     nullptr},
    {kBtnShowTipNow, "BUTTON", "Show &Now", kButton, 0, 3, 20, 54, 90, 25, kHelpTipOfTheDay,
     nullptr},
    {kChkIgnoreWrappedKeys, "BUTTON", "Ignore &Wrapped Keys", kCheckBox, 0, 3, 8, 104, 200, 20,
     kHelpIgnoreWrappedKeys, nullptr},
    // About
    {kImgAboutIcon, "STATIC", "", SS_ICON, 0, 4, 8, 8, 32, 32, 0, nullptr},
    {kTxtAbout, "EDIT", "",
     ES_MULTILINE | ES_READONLY | ES_CENTER | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 4, 48, 8,
     373, 242, 0, nullptr},
    // Under the pages
    {kBtnUnload, "BUTTON", "&Unload", kButton, 0, kBelowPages, 6, 300, 75, 25, kHelpUnload,
     "Remove Tervane 5 from memory"},
    {IDOK, "BUTTON", "&Ok", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 0, kBelowPages, 206, 300, 75,
     25, 0, "Confirm the changes you made"},
    {IDCANCEL, "BUTTON", "&Cancel", kButton, 0, kBelowPages, 287, 300, 75, 25, 0,
     "Close without changes"},
    {IDHELP, "BUTTON", "&Help", kButton, 0, kBelowPages, 368, 300, 75, 25, 0, nullptr},
};

const ControlDef* DefinitionOf(int id) {
    const auto at = std::find_if(std::begin(kControls), std::end(kControls),
                                 [id](const ControlDef& c) { return c.id == id; });
    return at == std::end(kControls) ? nullptr : at;
}

HWND CreateTabs(HWND window, const RECT& place, HFONT font) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    // The pages' controls lie over the tab control, which must not paint over them.
    const HWND tabs = CreateWindowExA(
        0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP,
        place.left, place.top, place.right - place.left, place.bottom - place.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabPages)), GetModuleHandleA(nullptr),
        nullptr);
    SendMessageA(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return tabs;
}

// The tab control painted into a bitmap of its size.
HBITMAP PaintTabs(HWND tabs) {
    RECT all{};
    GetClientRect(tabs, &all);
    const WindowDc screen(tabs);
    const MemoryDc dc(screen.Get());
    const HBITMAP bitmap = CreateCompatibleBitmap(screen.Get(), all.right, all.bottom);
    const SelectedObject drawn(dc.Get(), bitmap);
    FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    SendMessageA(tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    return bitmap;
}

// The tab control's page area in the window's client area.
POINT PageOrigin(HWND tabs) {
    RECT area{};
    GetClientRect(tabs, &area);
    SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
    return {area.left, area.top};
}

// A page's control is placed in the page area; the buttons below the pages are always shown.
void CreatePageControl(HWND window, const ControlDef& c, POINT origin, HFONT font) {
    const POINT offset = c.page >= 0 ? origin : POINT{0, 0};
    CreateControl(window, c, font, offset, c.page == kBelowPages, PageHelpContext(c.page));
}

}  // namespace

PropsPages::PropsPages(HWND window, const RECT& place, HFONT font)
    : window_(window),
      tabs_(CreateTabs(window, place, font)),
      pageBitmap_(PaintTabs(tabs_)),
      pageBrush_(CreatePatternBrush(pageBitmap_.Get())) {
    ShowMailerTabs(true);  // the tabs' height sets the page area
    const POINT origin = PageOrigin(tabs_);
    for (const ControlDef& c : kControls) {
        CreatePageControl(window, c, origin, font);
    }
    AddHints(window, kControls);
    // Each control created goes under the ones before it: the tabs go under them all again.
    SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void PropsPages::ShowMailerTabs(bool shown) {
    const std::vector<int> pages =
        shown ? std::vector<int>{kPageRoutine, kPageSpecial, kPageMailerChoice, kPageOptions,
                                 kPageAbout}
              : std::vector<int>{kPageMailerChoice, kPageAbout};
    if (pages == tabPages_) {
        return;
    }
    tabPages_ = pages;
    SendMessageA(tabs_, TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t tab = 0; tab < pages.size(); ++tab) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kPageCaptions[pages[tab]]);
        SendMessageA(tabs_, TCM_INSERTITEMA, tab, reinterpret_cast<LPARAM>(&item));
    }
    if (page_ >= 0) {
        Show(page_);
    }
}

void PropsPages::Show(int page) {
    page_ = page;
    const auto tab = std::find(tabPages_.begin(), tabPages_.end(), page);
    const WPARAM selected =
        tab == tabPages_.end() ? static_cast<WPARAM>(-1) : tab - tabPages_.begin();
    SendMessageA(tabs_, TCM_SETCURSEL, selected, 0);
    ShowControls(page);
}

int PropsPages::SelectedTabPage() const {
    const auto tab = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
    return tab >= 0 && tab < static_cast<int>(tabPages_.size()) ? tabPages_[tab] : -1;
}

void PropsPages::Allow(int id, bool allowed) {
    if (allowed) {
        suppressed_.erase(id);
    } else {
        suppressed_.insert(id);
    }
    ShowControls(page_);
}

HBRUSH PropsPages::PageBackground(HWND control, HDC dc) const {
    const ControlDef* def = DefinitionOf(GetDlgCtrlID(control));
    const bool plain = def && def->page >= 0 &&
                       (std::string_view(def->className) == "BUTTON" ||
                        (std::string_view(def->className) == "STATIC" && def->id != kLblNoMailers));
    if (!plain) {
        return nullptr;
    }
    POINT corner{0, 0};
    MapWindowPoints(control, tabs_, &corner, 1);
    SetBrushOrgEx(dc, -corner.x, -corner.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return pageBrush_.Get();
}

void PropsPages::PaintUnderTabs(HDC dc) const {
    RECT place{};
    GetWindowRect(tabs_, &place);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
    SetBrushOrgEx(dc, place.left, place.top, nullptr);
    FillRect(dc, &place, pageBrush_.Get());
}

void PropsPages::ShowControls(int page) {
    for (const ControlDef& c : kControls) {
        if (c.page >= 0) {
            const bool shown = c.page == page && !suppressed_.contains(c.id);
            ShowWindow(GetDlgItem(window_, c.id), shown ? SW_SHOWNA : SW_HIDE);
        }
    }
}
