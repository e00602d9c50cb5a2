#include "win32/ChooseMailer.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "win/ModalDriver.h"
#include "win32/ControlIds.h"
#include "win32/Win32MailerWindows.h"

namespace {

constexpr const char* kCaption = "These mailers are running right now - choose one";

std::string Row(const std::string& shown, const std::string& driverFile) {
    return shown + std::string(200, ' ') + driverFile;
}

// Out of alphabetical order, as detection may find them.
const std::vector<std::string> kRows = {
    Row("Demo Mail - a small mail program for demonstrations / Demo Mail - Compose", "DemoMfd.exe"),
    Row("Demo Mail by script / Demo Mail - Read", "DemoMail.mfs"),
    Row("Another mailer / Inbox", "another.exe"),
};

HWND List(HWND chooser) {
    return GetDlgItem(chooser, kLstRunningMailers);
}

int SelectedRow(HWND chooser) {
    return static_cast<int>(SendMessageA(List(chooser), LB_GETCURSEL, 0, 0));
}

bool OkEnabled(HWND chooser) {
    return IsWindowEnabled(GetDlgItem(chooser, IDOK));
}

void Press(HWND chooser, int id) {
    SendMessageA(GetDlgItem(chooser, id), BM_CLICK, 0, 0);
}

std::vector<std::string> ListedRows(HWND chooser) {
    std::vector<std::string> listed;
    const int count = static_cast<int>(SendMessageA(List(chooser), LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<std::size_t>(SendMessageA(List(chooser), LB_GETTEXTLEN, i, 0)),
                         '\0');
        SendMessageA(List(chooser), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        listed.push_back(text);
    }
    return listed;
}

// The middle of the row, in the list's client coordinates, as a mouse message carries it.
LPARAM PointOfRow(HWND chooser, int row) {
    RECT r{};
    SendMessageA(List(chooser), LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void ClickRow(HWND chooser, int row) {
    SendMessageA(List(chooser), WM_LBUTTONDOWN, MK_LBUTTON, PointOfRow(chooser, row));
    SendMessageA(List(chooser), WM_LBUTTONUP, 0, PointOfRow(chooser, row));
}

void DoubleClickRow(HWND chooser, int row) {
    ClickRow(chooser, row);
    SendMessageA(List(chooser), WM_LBUTTONDBLCLK, MK_LBUTTON, PointOfRow(chooser, row));
    SendMessageA(List(chooser), WM_LBUTTONUP, 0, PointOfRow(chooser, row));
}

RECT ClientRectOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class ChooseMailer : public ::testing::Test {
protected:
    // Shows a chooser of these rows, driven by `drive` from a second thread; the choice.
    std::optional<std::string> Choose(const std::vector<std::string>& rows,
                                      std::function<void(HWND)> drive) {
        TfrmChooseMailer chooser([this](HWND, int context) { helpOpened.push_back(context); });
        for (const std::string& row : rows) {
            chooser.AddRow(row);
        }
        ModalDriver driver(kCaption, std::move(drive));
        std::optional<std::string> chosen = chooser.Choose(chosenRow);
        EXPECT_TRUE(driver.Found()) << "the chooser was shown";
        leftOpen = driver.LeftOpen();
        return chosen;
    }

    int chosenRow = 0;
    std::vector<int> helpOpened;
    bool leftOpen = false;
};

TEST_F(ChooseMailer, IsATopmostDialogCentredOnTheScreenWithItsControlsInPlace) {
    RECT client{}, frame{};
    LONG_PTR style = 0, exStyle = 0;
    std::vector<std::string> listed;
    struct Seen {
        int id;
        std::string text;
        RECT place;
    };
    std::vector<Seen> controls;
    bool okIsDefault = false;
    Choose(kRows, [&](HWND chooser) {
        GetClientRect(chooser, &client);
        GetWindowRect(chooser, &frame);
        style = GetWindowLongPtrA(chooser, GWL_STYLE);
        exStyle = GetWindowLongPtrA(chooser, GWL_EXSTYLE);
        listed = ListedRows(chooser);
        for (int id : {kLstRunningMailers, IDOK, IDCANCEL, IDHELP}) {
            char text[32] = "";
            GetDlgItemTextA(chooser, id, text, sizeof text);
            controls.push_back({id, text, ClientRectOf(GetDlgItem(chooser, id))});
        }
        okIsDefault = (GetWindowLongPtrA(GetDlgItem(chooser, IDOK), GWL_STYLE) & BS_TYPEMASK) ==
                      BS_DEFPUSHBUTTON;
        Press(chooser, IDCANCEL);
    });
    EXPECT_EQ(client.right, 470);
    EXPECT_EQ(client.bottom, 91);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME), 0) << "no title-bar buttons, fixed size";
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(listed, kRows) << "in the order added, the driver file kept";
    EXPECT_TRUE(okIsDefault);

    struct Expected {
        int id;
        const char* text;
        RECT place;
    };
    const Expected expected[] = {
        {kLstRunningMailers, "", {8, 8, 8 + 377, 8 + 73}},
        {IDOK, "&Ok", {394, 4, 394 + 69, 4 + 24}},
        {IDCANCEL, "&Cancel", {394, 33, 394 + 69, 33 + 24}},
        {IDHELP, "&Help", {394, 63, 394 + 69, 63 + 24}},
    };
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(expected[i].id);
        if (expected[i].id != kLstRunningMailers) {
            EXPECT_EQ(controls[i].text, expected[i].text);
        }
        EXPECT_TRUE(EqualRect(&controls[i].place, &expected[i].place))
            << controls[i].place.left << ',' << controls[i].place.top << ' '
            << controls[i].place.right << ',' << controls[i].place.bottom;
    }
}

// The hints of the controls, by the tooltip window that the chooser owns.
std::vector<std::string> HintsOf(HWND chooser, std::initializer_list<int> ids) {
    HWND hints = nullptr;
    while ((hints = FindWindowExA(nullptr, hints, TOOLTIPS_CLASSA, nullptr)) != nullptr &&
           GetWindow(hints, GW_OWNER) != chooser) {
    }
    std::vector<std::string> texts;
    for (int id : ids) {
        char text[80] = "";
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = chooser;
        tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(chooser, id));
        tool.lpszText = text;
        if (hints) {
            SendMessageA(hints, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        }
        texts.push_back(text);
    }
    return texts;
}

TEST_F(ChooseMailer, HintsTellWhatTheListAndTheButtonsAreFor) {
    std::vector<std::string> hints;
    Choose(kRows, [&](HWND chooser) {
        hints = HintsOf(chooser, {kLstRunningMailers, IDOK, IDCANCEL, IDHELP});
        Press(chooser, IDCANCEL);
    });
    EXPECT_EQ(hints, (std::vector<std::string>{"Choose the one to process", "Confirm the selection",
                                               "Abandon processing", ""}));
}

struct Opening {
    const char* name;
    std::size_t rows;
    int remembered;
    int selected;  // -1: none
};

class ChooseMailerOpening : public ChooseMailer, public ::testing::WithParamInterface<Opening> {};

// The remembered row when it exists, else the first; Ok only with a selection. Opening
// does not change what is remembered.
TEST_P(ChooseMailerOpening, SelectsTheRememberedRowOrTheFirst) {
    const Opening& o = GetParam();
    chosenRow = o.remembered;
    int selected = -2;
    bool okEnabled = false;
    const auto chosen = Choose({kRows.begin(), kRows.begin() + o.rows}, [&](HWND chooser) {
        selected = SelectedRow(chooser);
        okEnabled = OkEnabled(chooser);
        Press(chooser, IDCANCEL);
    });
    EXPECT_EQ(selected, o.selected);
    EXPECT_EQ(okEnabled, o.selected >= 0);
    EXPECT_EQ(chosenRow, o.remembered);
    EXPECT_FALSE(chosen.has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, ChooseMailerOpening,
                         ::testing::Values(Opening{"RememberedRowExists", 3, 2, 2},
                                           Opening{"RememberedRowBeyondTheList", 2, 3, 0},
                                           Opening{"NothingRemembered", 2, -1, 0},
                                           Opening{"EmptyList", 0, 0, -1}),
                         [](const auto& info) { return info.param.name; });

TEST_F(ChooseMailer, RemembersEverySelectionByKeyboardAndMouseAndOkTakesTheSelectedRow) {
    std::vector<int> remembered;
    const auto chosen = Choose(kRows, [&](HWND chooser) {
        SendMessageA(List(chooser), WM_KEYDOWN, VK_DOWN, 0);
        remembered.push_back(chosenRow);
        ClickRow(chooser, 2);
        remembered.push_back(chosenRow);
        SendMessageA(List(chooser), WM_KEYDOWN, VK_HOME, 0);
        remembered.push_back(chosenRow);
        ClickRow(chooser, 1);
        remembered.push_back(chosenRow);
        Press(chooser, IDOK);
    });
    EXPECT_EQ(remembered, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(chosen, kRows[1]);
    EXPECT_FALSE(leftOpen);
}

TEST_F(ChooseMailer, DoubleClickOnARowTakesThatRow) {
    const auto chosen = Choose(kRows, [](HWND chooser) { DoubleClickRow(chooser, 2); });
    EXPECT_EQ(chosen, kRows[2]);
    EXPECT_EQ(chosenRow, 2);
    EXPECT_FALSE(leftOpen);
}

struct Answer {
    const char* name;
    std::function<void(HWND chooser)> give;
    bool takesTheRow;
};

class ChooseMailerAnswer : public ChooseMailer, public ::testing::WithParamInterface<Answer> {};

TEST_P(ChooseMailerAnswer, EndsTheChooserWithTheSelectedRowOrNothing) {
    chosenRow = 1;
    bool closed = false;
    const auto chosen = Choose(kRows, [&](HWND chooser) {
        GetParam().give(chooser);
        closed = WaitUntilClosed(chooser);
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(chosen, GetParam().takesTheRow ? std::optional(kRows[1]) : std::nullopt);
    EXPECT_EQ(chosenRow, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ChooseMailerAnswer,
    ::testing::Values(Answer{"OkButton", [](HWND c) { Press(c, IDOK); }, true},
                      Answer{"EnterKey", [](HWND c) { PostKey(List(c), VK_RETURN); }, true},
                      Answer{"CancelButton", [](HWND c) { Press(c, IDCANCEL); }, false},
                      Answer{"EscapeKey", [](HWND c) { PostKey(List(c), VK_ESCAPE); }, false},
                      Answer{"Closing", [](HWND c) { PostMessageA(c, WM_CLOSE, 0, 0); }, false}),
    [](const auto& info) { return info.param.name; });

TEST_F(ChooseMailer, HelpOpensItsTopicAndLeavesTheChooserOpen) {
    std::vector<bool> shownAfterHelp;
    const auto chosen = Choose(kRows, [&](HWND chooser) {
        Press(chooser, IDHELP);
        shownAfterHelp.push_back(IsShown(chooser));
        Press(chooser, IDHELP);
        shownAfterHelp.push_back(IsShown(chooser));
        Press(chooser, IDCANCEL);
    });
    EXPECT_EQ(helpOpened, (std::vector<int>{9002, 9002}));
    EXPECT_EQ(shownAfterHelp, (std::vector<bool>{true, true}));
    EXPECT_FALSE(leftOpen);
    EXPECT_FALSE(chosen.has_value());
}

// The program's chooser is made once per run and may be shown again after Clear.
TEST(MailerChooser, ShownAgainAfterClearListsOnlyTheNewRows) {
    const auto chooser = Win32MailerWindows().CreateChooser();
    int chosenRow = 0;
    for (const std::string& row : kRows) {
        chooser->AddRow(row);
    }
    {
        ModalDriver driver(kCaption, [](HWND c) { Press(c, IDCANCEL); });
        EXPECT_FALSE(chooser->Choose(chosenRow).has_value());
        ASSERT_TRUE(driver.Found());
    }
    chooser->Clear();
    chooser->AddRow(kRows[2]);
    chooser->AddRow(kRows[0]);
    std::vector<std::string> listed;
    ModalDriver driver(kCaption, [&](HWND c) {
        listed = ListedRows(c);
        Press(c, IDOK);
    });
    EXPECT_EQ(chooser->Choose(chosenRow), kRows[2]);
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(listed, (std::vector<std::string>{kRows[2], kRows[0]}));
}

}  // namespace
