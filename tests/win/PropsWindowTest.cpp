// The properties window on Win32: a real TfrmProps over a small mailer library, its buttons
// pressed by id, its lists sent the notifications of a user's double-click.

#include <windows.h>

#include <commctrl.h>  // needs windows.h first

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "core/RunContext.h"
#include "mailers/MFDDirectory.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/TipWindow.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "shell/TrayDuties.h"
#include "shell/settings.h"
#include "win/BuildTree.h"
#include "win/MessageBoxAnswerer.h"
#include "win/OnWin32.h"
#include "win32/ControlIds.h"
#include "win32/PropsIcons.h"
#include "win32/PropsTray.h"
#include "win32/props.h"

namespace {

const std::string kAlpha = EntryText({"Alpha Mail", "", "Alpha.mfs"});
const std::string kDemo = EntryText({"Demo Mail", "", "DemoMfd.EXE"});
const std::string kDemoReader = EntryText({"Demo Mail Reader", "", "DemoMfd.EXE"});

class RecordingApplication : public IApplication {
public:
    void Terminate() override {
        if (failTerminate) {
            throw std::runtime_error("cannot end now");
        }
        terminated = true;
    }
    bool failTerminate = false;
    bool Terminating() const override { return terminated; }
    bool terminated = false;
};

std::string SettingsFilePath() {
    char windows[MAX_PATH] = "";
    GetWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\" + kSettingsFile;
}

// Handles the thread's messages, those already waiting at least, until the condition holds
// or the time (two seconds unless given) has passed.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds = 2000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (condition() || std::chrono::steady_clock::now() >= end) {
            return condition();
        }
        Sleep(10);
    }
}

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<std::string> Rows(HWND list) {
    std::vector<std::string> rows;
    const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)), '\0');
        SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
        rows.push_back(text);
    }
    return rows;
}

std::vector<std::string> TabCaptions(HWND tabs) {
    std::vector<std::string> captions;
    const auto count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int tab = 0; tab < count; ++tab) {
        char caption[64] = "";
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption;
        item.cchTextMax = sizeof caption;
        SendMessageA(tabs, TCM_GETITEMA, tab, reinterpret_cast<LPARAM>(&item));
        captions.push_back(caption);
    }
    return captions;
}

// Real mouse input, as the user's hand gives it: moves to a point of the screen.
void MoveMouseTo(POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    Sleep(20);
}

void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    Sleep(50);
}

// The middle of a list's row, or a point below its rows, on the screen.
POINT RowPoint(HWND list, int row) {
    RECT area{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area));
    POINT at{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(list, &at);
    return at;
}

HWND WaitForMenu() {
    HWND menu = nullptr;
    for (int i = 0; i < 100 && !(menu = FindWindowA("#32768", nullptr)); ++i) {
        Sleep(10);
    }
    return menu;
}

class PropsWindowTest : public OnWin32 {
protected:
    PropsWindowTest()
        : settingsExisted_(GetFileAttributesA(SettingsFilePath().c_str()) !=
                           INVALID_FILE_ATTRIBUTES),
          savedSettings_(settingsExisted_ ? FileContent(SettingsFilePath()) : "") {
        Mailers().directory = "C:\\Tervane Test\\Sub Dir";
        Mailers().library = {kAlpha, kDemo, kDemoReader};
        Mailers().libraryLoaded = true;
        Os().application = &application;
        frmProps = std::make_unique<TfrmProps>(
            win32, [this](HWND, int context) { helpOpened.push_back(context); });
    }
    ~PropsWindowTest() override {
        frmProps.reset();
        if (settingsExisted_) {
            PutFile(SettingsFilePath(), savedSettings_);
        } else {
            DeleteFileA(SettingsFilePath().c_str());
        }
    }

    HWND Window() const { return frmProps->Handle(); }
    HWND Item(int id) const { return GetDlgItem(Window(), id); }
    bool Shown(int id) const { return IsWindowVisible(Item(id)) != FALSE; }

    void Press(int id) { SendMessageA(Item(id), BM_CLICK, 0, 0); }

    // What the list box tells its window on a double-click, with the row selected first.
    void DoubleClickRow(int listId, int row) {
        SendMessageA(Item(listId), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
        SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(Item(listId)));
    }

    // What the tab control tells its window when the user picks a tab.
    void ChooseTab(int tab) {
        SendMessageA(Item(kTabPages), TCM_SETCURSEL, static_cast<WPARAM>(tab), 0);
        NMHDR change{Item(kTabPages), kTabPages, TCN_SELCHANGE};
        SendMessageA(Window(), WM_NOTIFY, kTabPages, reinterpret_cast<LPARAM>(&change));
    }

    void ShowWithDemoActive() {
        frmProps->ShowPropsWindow();
        DoubleClickRow(kLstLibrary, 1);
    }

    RecordingApplication application;
    std::vector<int> helpOpened;
    std::unique_ptr<TfrmProps> frmProps;

private:
    bool settingsExisted_;
    std::string savedSettings_;
};

TEST_F(PropsWindowTest, IsAHiddenTopLevelWindowOfItsOwnClassWithTheGivenClientArea) {
    EXPECT_EQ(FindWindowA(TfrmProps::kClassName, nullptr), Window());
    EXPECT_EQ(TextOf(Window()), "Tervane 5");
    EXPECT_FALSE(IsWindowVisible(Window()));
    RECT client{};
    GetClientRect(Window(), &client);
    EXPECT_EQ(client.right, 449);
    EXPECT_EQ(client.bottom, 332);
    const auto style = GetWindowLongPtrA(Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
    EXPECT_EQ(Core().collaborators.properties, frmProps.get());
}

TEST_F(PropsWindowTest, HiddenFromTheTaskbarByAHiddenOwner) {
    frmProps->HideFromTaskbar();
    const HWND owner = GetWindow(Window(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_FALSE(GetWindowLongPtrA(Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(PropsWindowTest, WithNoActiveMailerRefreshShowsTheMailerChoicePageAndTheNotice) {
    Shell().recentPage = kPageAbout;
    frmProps->Refresh();
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(TabCaptions(Item(kTabPages)), (std::vector<std::string>{"Mailer Choice", "About"}));
    EXPECT_EQ(SendMessageA(Item(kTabPages), TCM_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(Shell().recentPage, kPageMailerChoice);
    EXPECT_TRUE(Shown(kLblNoMailers));
    EXPECT_TRUE(Shown(kLstLibrary));
    EXPECT_FALSE(Shown(kBtnRunRoutine));
    EXPECT_EQ(Rows(Item(kLstLibrary)), (std::vector<std::string>{kAlpha, kDemo, kDemoReader}));
}

TEST_F(PropsWindowTest, DoubleClickOnALibraryEntryMovesItsGroupAndBringsBackTheTabs) {
    ShowWithDemoActive();
    EXPECT_EQ(Rows(Item(kLstLibrary)), (std::vector<std::string>{kAlpha}));
    const std::vector<std::string> active = Rows(Item(kLstActive));
    ASSERT_EQ(active.size(), 2u);
    EXPECT_EQ(DriverFileOf(active[0]), "DemoMfd.EXE");
    EXPECT_EQ(DriverFileOf(active[1]), "DemoMfd.EXE");
    EXPECT_EQ(
        TabCaptions(Item(kTabPages)),
        (std::vector<std::string>{"Routine", "Special", "Mailer Choice", "Options", "About"}));
    EXPECT_FALSE(Shown(kLblNoMailers));
    EXPECT_TRUE(Shown(kLstActive));
    EXPECT_EQ(Mailers().activeDrivers, (std::vector<std::string>{"DemoMfd.EXE"}));
}

TEST_F(PropsWindowTest, TheActiveSelectionMarksItsPartnerAndAnActiveDoubleClickReturnsBoth) {
    ShowWithDemoActive();
    SendMessageA(Item(kLstActive), LB_SETCURSEL, 0, 0);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(kLstActive, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kLstActive)));
    EXPECT_EQ(Rows(Item(kLstActive)), (std::vector<std::string>{kDemo, kDemoReader}));
    EXPECT_TRUE(HasSameDriverMark(Mailers(), 1));

    DoubleClickRow(kLstActive, 0);
    EXPECT_EQ(Rows(Item(kLstLibrary)), (std::vector<std::string>{kAlpha, kDemo, kDemoReader}));
    EXPECT_TRUE(Rows(Item(kLstActive)).empty());
    EXPECT_TRUE(Shown(kLblNoMailers));
    EXPECT_EQ(TabCaptions(Item(kTabPages)).size(), 2u);
}

// A real double-click reaches the list box itself: over a row it moves the row's group,
// over the empty space below the rows it changes nothing.
TEST_F(PropsWindowTest, AMouseDoubleClickMovesOnlyWhenARowIsUnderTheMouse) {
    frmProps->ShowPropsWindow();
    const HWND library = Item(kLstLibrary);
    RECT row{};
    SendMessageA(library, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));

    SendMessageA(library, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 5, row.bottom + 40));
    EXPECT_EQ(Rows(library).size(), 3u);
    EXPECT_TRUE(Mailers().active.empty());

    SendMessageA(library, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 5, row.top + 2));
    EXPECT_EQ(Rows(library), (std::vector<std::string>{kAlpha}));
    EXPECT_EQ(Rows(Item(kLstActive)).size(), 2u);
}

TEST_F(PropsWindowTest, OkSavesTheActiveListWithoutMarksAndHides) {
    ShowWithDemoActive();
    SendMessageA(Item(kLstActive), LB_SETCURSEL, 0, 0);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(kLstActive, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kLstActive)));
    Press(IDOK);
    EXPECT_EQ(FileContent(TestDir::File(kActiveMailersFile)),
              kDemo + "\r\n" + kDemoReader + "\r\n");
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(Checkpoint(), 2345);
}

TEST_F(PropsWindowTest, CancelReadsTheSavedSettingsBackAndHides) {
    ShowWithDemoActive();
    Press(IDOK);
    frmProps->ShowPropsWindow();
    Press(kChkIgnoreWrappedKeys);
    Press(kOptProcessingSign);
    ASSERT_TRUE(Props().chkIgnoreWrappedKeys);
    ASSERT_EQ(Props().optProcessing, 1);

    Press(IDCANCEL);
    EXPECT_FALSE(Props().chkIgnoreWrappedKeys);
    EXPECT_EQ(Props().optProcessing, 0);
    EXPECT_EQ(IsDlgButtonChecked(Window(), kChkIgnoreWrappedKeys), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(Window(), kOptProcessingEncrypt), BST_CHECKED);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_EQ(Checkpoint(), 4411);
}

TEST_F(PropsWindowTest, AVisibleWindowRefusesACloseRequestButLetsTheSessionEnd) {
    ShowWithDemoActive();
    Press(IDOK);
    frmProps->ShowPropsWindow();

    EXPECT_TRUE(SendMessageA(Window(), WM_QUERYENDSESSION, 0, 0));
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(Window()));
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_FALSE(application.terminated);
    EXPECT_EQ(Checkpoint(), 91010);
}

TEST_F(PropsWindowTest, AHiddenWindowClosesAndEndsTheProgram) {
    const HWND window = Window();
    frmProps->ActivateTrayIcons();
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(application.terminated);
    EXPECT_EQ(Checkpoint(), 90030);
    EXPECT_EQ(Core().collaborators.properties, nullptr);
}

// taskkill without /f asks every top-level window to close, also during a run, which goes on
// using the window: the request waits for the run's end.
TEST_F(PropsWindowTest, AHiddenWindowKeepsACloseRequestUntilTheRunHasEnded) {
    const HWND window = Window();
    Core().runInProgress = true;
    SendMessageA(window, WM_CLOSE, 0, 0);
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(application.terminated);

    Core().runInProgress = false;
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(window); }));
    EXPECT_TRUE(application.terminated);
}

TEST_F(PropsWindowTest, DuringARunTheMailerListsOkCancelAndUnloadDoNothing) {
    ShowWithDemoActive();
    Core().runInProgress = true;
    const std::vector<std::string> active = Mailers().active;
    SendMessageA(Item(kLstActive), WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
    Press(kBtnUnload);
    Press(IDOK);
    Press(IDCANCEL);
    EXPECT_EQ(Mailers().active, active);
    EXPECT_FALSE(application.terminated);
    EXPECT_TRUE(IsWindowVisible(Window()));

    Core().runInProgress = false;
    Press(IDCANCEL);
    EXPECT_FALSE(IsWindowVisible(Window()));
}

// Owned by the program's hidden window, the boxes have no taskbar buttons of their own.
TEST_F(PropsWindowTest, MessageBoxesBelongToTheHiddenOwnerWindow) {
    frmProps->HideFromTaskbar();
    const HWND owner = GetWindow(Window(), GW_OWNER);
    ASSERT_NE(owner, nullptr);
    for (const bool box : {true, false}) {
        MessageBoxAnswerer answerer;
        if (box) {
            Os().dialogs->AppMessageBox("A box", MsgDlgType::Information, kMbOk);
        } else {
            Os().dialogs->MessageDlg("A dialog", MsgDlgType::Warning, {MsgDlgBtn::OK}, 0);
        }
        const std::optional<SeenMessageBox> seen = answerer.Seen();
        ASSERT_TRUE(seen);
        EXPECT_EQ(seen->owner, owner) << box;
    }
}

// An error in a tick of Timer1 is the timer's, not the window's.
TEST_F(PropsWindowTest, AnErrorInATimerTickIsReportedAsTheTimers) {
    PutFile(TestDir::File(kInstallerFlagName), "");
    application.failTerminate = true;
    MessageBoxAnswerer answerer;
    PostMessageA(Window(), WM_TIMER, PropsTray::kTimer1, 0);
    PumpUntil([&] { return false; }, 300);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->text.rfind("Error in TTimer.", 0), 0u) << seen->text;
    EXPECT_NE(seen->text.find("UH cannot end now"), std::string::npos) << seen->text;
}

TEST_F(PropsWindowTest, APressOnTheAboutTextSelectsItAll) {
    frmProps->ShowPropsWindow();
    ChooseTab(4);
    SendMessageA(Item(kTxtAbout), EM_SETSEL, 3, 3);
    SendMessageA(Item(kTxtAbout), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageA(Item(kTxtAbout), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    DWORD start = 1;
    DWORD end = 0;
    SendMessageA(Item(kTxtAbout), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthA(Item(kTxtAbout))));
}

// "Show these tips" cleared in the tip window opened by "Show &Now": the box follows.
TEST_F(PropsWindowTest, ShowNowLeavesTheEnableBoxAsTheTipWindowLeftTheSwitch) {
    frmProps->ShowPropsWindow();
    ChooseTab(3);
    CheckDlgButton(Window(), kChkTipEnabled, BST_CHECKED);
    Props().chkTipEnabled = true;
    // The user clears "Show these tips" and closes the window.
    class ClearingTipWindow : public ITipWindow {
        void ShowModal(ITipBrowser& tips) override { tips.SetShowTips(false); }
        void SetMainIconActive(bool) override {}
    } tipWindow;
    Os().tipWindow = &tipWindow;
    Press(kBtnShowTipNow);
    EXPECT_EQ(IsDlgButtonChecked(Window(), kChkTipEnabled), BST_UNCHECKED);
}

TEST_F(PropsWindowTest, UnloadEndsTheProgramAndMinimisingHides) {
    frmProps->ShowPropsWindow();
    SendMessageA(Window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_FALSE(IsIconic(Window()));
    EXPECT_FALSE(application.terminated);

    Press(kBtnUnload);
    EXPECT_TRUE(application.terminated);
    EXPECT_EQ(Checkpoint(), 99999);
}

TEST_F(PropsWindowTest, HelpOpensTheTopicOfThePageShown) {
    ShowWithDemoActive();
    Press(IDHELP);
    ChooseTab(4);
    Press(IDHELP);
    EXPECT_EQ(helpOpened, (std::vector<int>{4002, 4004}));
    EXPECT_TRUE(Shown(kTxtAbout));
    EXPECT_FALSE(Shown(kLstLibrary));
}

TEST_F(PropsWindowTest, ThePGPToolsButtonShowsOnlyWhenStartUpFoundTheProgram) {
    ShowWithDemoActive();
    ChooseTab(1);
    frmProps->ShowPGPToolsButton(false);
    EXPECT_FALSE(Shown(kBtnPGPTools));
    EXPECT_TRUE(Shown(kBtnPreferences));
    frmProps->ShowPGPToolsButton(true);
    EXPECT_TRUE(Shown(kBtnPGPTools));
    ChooseTab(2);
    EXPECT_FALSE(Shown(kBtnPGPTools));
}

TEST_F(PropsWindowTest, TheAddressEditorAddsWhatIsTypedAndRemovesTheSelection) {
    ShowWithDemoActive();
    ChooseTab(0);
    EXPECT_FALSE(IsWindowEnabled(Item(kBtnAddAddress)));
    SetWindowTextA(Item(kTxtMailingListAddress), "   ");
    EXPECT_FALSE(IsWindowEnabled(Item(kBtnAddAddress)));
    SetWindowTextA(Item(kTxtMailingListAddress), "list@example.org ");
    ASSERT_TRUE(IsWindowEnabled(Item(kBtnAddAddress)));
    Press(kBtnAddAddress);
    EXPECT_EQ(Rows(Item(kLstMailingListAddress)), (std::vector<std::string>{"list@example.org "}));
    EXPECT_EQ(TextOf(Item(kTxtMailingListAddress)), "");
    EXPECT_FALSE(IsWindowEnabled(Item(kBtnRemoveAddress)));

    SendMessageA(Item(kLstMailingListAddress), LB_SETCURSEL, 0, 0);
    SendMessageA(Window(), WM_COMMAND, MAKEWPARAM(kLstMailingListAddress, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Item(kLstMailingListAddress)));
    ASSERT_TRUE(IsWindowEnabled(Item(kBtnRemoveAddress)));
    Press(kBtnRemoveAddress);
    EXPECT_TRUE(Rows(Item(kLstMailingListAddress)).empty());
    EXPECT_EQ(TextOf(Item(kTxtMailingListAddress)), "list@example.org ");
}

// The keys reach the window before its controls: the key state says Ctrl and Alt are held.
TEST_F(PropsWindowTest, CtrlAltAAsksWhetherToFlipTheSuperDebugFlag) {
    ShowWithDemoActive();
    struct Case {
        int answer;
        bool flagAfter;
        const char* question;
    };
    const Case cases[] = {{IDYES, true, "Super debug status is: OFF. Change?"},
                          {IDNO, true, "Super debug status is: ON. Change?"},
                          {IDYES, false, "Super debug status is: ON. Change?"}};
    BYTE keys[256] = {};
    keys[VK_CONTROL] = keys[VK_MENU] = 0x80;
    for (const Case& c : cases) {
        SetKeyboardState(keys);
        MessageBoxAnswerer answerer({c.answer});
        PostMessageA(Item(IDOK), WM_KEYDOWN, 'A', 0);
        PumpUntil([&] { return Shell().superDebug == c.flagAfter; });
        const auto seen = answerer.Seen();
        ASSERT_TRUE(seen.has_value());
        EXPECT_EQ(seen->text, c.question);
        EXPECT_EQ(Shell().superDebug, c.flagAfter);
    }
    BYTE released[256] = {};
    SetKeyboardState(released);
}

TEST_F(PropsWindowTest, TheTrayIconsCarryTheirTipsAndTheMainOnesRightClickShowsTheWindow) {
    frmProps->ActivateTrayIcons();
    EXPECT_TRUE(frmProps->Tray().TaskIcon1().Active());
    EXPECT_TRUE(frmProps->Tray().TaskIcon2().Active());
    EXPECT_EQ(frmProps->Tray().TaskIcon1().ToolTip(), "Tervane 5");
    EXPECT_EQ(frmProps->Tray().TaskIcon2().ToolTip(), "Tervane Tools");

    SendMessageA(frmProps->Tray().TaskIcon1().Handle(), TTaskIcon::kCallbackMessage, 0,
                 WM_RBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_TRUE(Shown(kLstLibrary));
}

// The test's prefix has no printer.
TEST_F(PropsWindowTest, TheToolsMenusPrintSaysThatThereIsNoDefaultPrinter) {
    frmProps->ActivateTrayIcons();
    MessageBoxAnswerer answerer({IDOK});
    // The menu opens at the cursor; Down and Enter choose its first item, "&Print".
    std::atomic<bool> chosen = false;
    std::thread chooser([&chosen] {
        HWND menu = nullptr;
        for (int i = 0; i < 200 && !(menu = FindWindowA("#32768", nullptr)); ++i) {
            Sleep(10);
        }
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        chosen = true;
    });
    PostMessageA(frmProps->Tray().TaskIcon2().Handle(), TTaskIcon::kCallbackMessage, 0,
                 WM_RBUTTONUP);
    PumpUntil([&] { return chosen && !FindWindowA("#32768", nullptr); });
    chooser.join();
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_NE(seen->text.find("with UH There is no default printer currently selected"),
              std::string::npos)
        << seen->text;
}

// The mouse is moved by a second thread while this one handles the window's messages.
TEST_F(PropsWindowTest, DraggingALibraryEntryOntoTheActiveListMakesItsGroupActive) {
    frmProps->ShowPropsWindow();
    const POINT from = RowPoint(Item(kLstLibrary), 1);
    RECT activeArea{};
    GetWindowRect(Item(kLstActive), &activeArea);
    const POINT to{(activeArea.left + activeArea.right) / 2, activeArea.top + 30};
    std::atomic<bool> dropped = false;
    std::thread hand([&] {
        MoveMouseTo(from);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 10; ++step) {
            MoveMouseTo(
                {from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10});
        }
        MouseButton(MOUSEEVENTF_LEFTUP);
        dropped = true;
    });
    PumpUntil([&] { return dropped && !Mailers().active.empty(); });
    hand.join();
    EXPECT_EQ(Rows(Item(kLstLibrary)), (std::vector<std::string>{kAlpha}));
    EXPECT_EQ(Rows(Item(kLstActive)).size(), 2u);
}

// Down twice and Enter choose the menu's second item, "Make &Active".
TEST_F(PropsWindowTest, TheLibrarysMenuOpensOnlyOverAnEntry) {
    frmProps->ShowPropsWindow();
    const HWND library = Item(kLstLibrary);
    POINT below = RowPoint(library, 2);
    below.y += 60;
    std::atomic<bool> done = false;
    std::atomic<bool> menuOverEmptySpace = false;
    std::thread hand([&] {
        MoveMouseTo(below);
        MouseButton(MOUSEEVENTF_RIGHTDOWN);
        MouseButton(MOUSEEVENTF_RIGHTUP);
        if (const HWND menu = WaitForMenu()) {
            menuOverEmptySpace = true;
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        MoveMouseTo(RowPoint(library, 0));
        MouseButton(MOUSEEVENTF_RIGHTDOWN);
        MouseButton(MOUSEEVENTF_RIGHTUP);
        const HWND menu = WaitForMenu();
        for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
            PostMessageA(menu, WM_KEYDOWN, key, 0);
        }
        done = true;
    });
    PumpUntil([&] { return done && !Mailers().active.empty(); });
    hand.join();
    EXPECT_FALSE(menuOverEmptySpace);
    EXPECT_EQ(Rows(Item(kLstActive)), (std::vector<std::string>{kAlpha}));
}

// The exit-code helper stands in for the current driver: it ends at once.
TEST_F(PropsWindowTest, ANewReceiverTextIsHandedToTheDriverAndTheSameTextAgainIsNot) {
    const std::string driver = ExitWithExe();
    const std::size_t slash = driver.find_last_of('\\');
    Mailers().directory = driver.substr(0, slash);
    Mailers().currentDriver = driver.substr(slash + 1);
    Paths().exchangeFile = TestDir::File("tmpmfd.tmp");
    const std::string armour = "-----BEGIN PGP MESSAGE-----\r\nhQEMA\r\n-----END PGP MESSAGE-----";

    frmProps->SetClipboardReceiverText(armour);
    EXPECT_EQ(Checkpoint(), 5707);
    // The driver has taken the result: the file is wiped.
    EXPECT_EQ(GetFileAttributesA(Paths().exchangeFile.c_str()), INVALID_FILE_ATTRIBUTES);

    Checkpoint() = 1;
    frmProps->SetClipboardReceiverText(armour);
    EXPECT_EQ(Checkpoint(), 1);
}

// F1 on a control opens its own topic, or its page's when it has none.
TEST_F(PropsWindowTest, FOneOpensTheTopicOfTheControlWithTheFocus) {
    ShowWithDemoActive();
    const std::pair<int, int> topics[] = {
        {kTxtMailingListAddress, 9101},
        {kLstMailingListAddress, 9102},
        {kBtnRunRoutine, 4000},
        {kOptOutwardSign, 1004},
        {kChkForceKeyRead, 3},
        {kBtnPGPKeys, 9050},
        {kLstActive, 2001},
        {kChkIgnoreWrappedKeys, 9022},
        {kTxtAbout, 4004},
        {kBtnUnload, 19},
    };
    for (const auto& [id, topic] : topics) {
        helpOpened.clear();
        SetForegroundWindow(Window());
        SetFocus(Item(id));
        keybd_event(VK_F1, 0, 0, 0);
        keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
        PumpUntil([&] { return !helpOpened.empty(); });
        EXPECT_EQ(helpOpened, std::vector<int>{topic}) << "control " << id;
    }
}

// The tip window is modal: a second thread looks at the main icon while it is open, then
// presses its "&Ok".
TEST_F(PropsWindowTest, ShowNowOpensTheTipWithTheMainIconAwayMeanwhile) {
    frmProps->ActivateTrayIcons();
    const TTaskIcon& mainIcon = frmProps->Tray().TaskIcon1();
    std::atomic<bool> closed = false;
    std::atomic<bool> iconWhileOpen = true;
    std::thread user([&] {
        HWND tip = nullptr;
        for (int i = 0; i < 200 && !(tip = FindWindowA("#32770", "Tervane 5 - Tip of the Day"));
             ++i) {
            Sleep(10);
        }
        iconWhileOpen = mainIcon.Active();
        PostMessageA(tip, WM_COMMAND, IDOK, 0);
        closed = tip != nullptr;
    });
    PostMessageA(Item(kBtnShowTipNow), BM_CLICK, 0, 0);
    PumpUntil([&] { return closed && !FindWindowA("#32770", "Tervane 5 - Tip of the Day"); });
    user.join();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(iconWhileOpen);
    EXPECT_TRUE(mainIcon.Active());
}

TEST_F(PropsWindowTest, EnableSavesTheTipSwitchAtOnce) {
    ASSERT_EQ(IsDlgButtonChecked(Window(), kChkTipEnabled), BST_CHECKED);
    Press(kChkTipEnabled);
    EXPECT_FALSE(Shell().tips.enabled);
    EXPECT_FALSE(Props().chkTipEnabled);
    char saved[8] = "";
    GetPrivateProfileStringA("General", "TipEnabled", "", saved, sizeof saved, kSettingsFile);
    EXPECT_STREQ(saved, "0");
}

// The tray shows the program's resources; a build without them would fall back to the
// system's icon without a word.
TEST(Tervane5Icons, TheProgramCarriesTwoDifferentIconsForTheTray) {
    const HMODULE program =
        LoadLibraryExA(Tervane5Exe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::vector<std::string> pictures;
    for (const int id : {kProgramIconId, kToolsIconId}) {
        const HRSRC group = FindResourceA(program, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr) << "icon " << id;
        // The group's first entry names the picture: its last two bytes are its id.
        const auto* entries = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
        const WORD pictureId = *reinterpret_cast<const WORD*>(entries + 6 + 12);
        const HRSRC picture = FindResourceA(program, MAKEINTRESOURCEA(pictureId), RT_ICON);
        ASSERT_NE(picture, nullptr);
        const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, picture)));
        pictures.emplace_back(bytes, SizeofResource(program, picture));
    }
    FreeLibrary(program);
    EXPECT_NE(pictures[0], pictures[1]);
}

}  // namespace
