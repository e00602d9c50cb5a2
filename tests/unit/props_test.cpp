#include "shell/props.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/error.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

class PropsTest : public FakeOs {
protected:
    PropsModel& props = Props();
};

struct AddressCase {
    std::string edit;
    int selected;
    bool addEnabled;
    bool removeEnabled;
};

TEST_F(PropsTest, AddAndRemoveAreEnabledByTheEditsTextAndTheSelection) {
    props.mailingList = {"one@example.org", "two@example.org"};
    const AddressCase cases[] = {
        {"", -1, false, false},
        {"   ", 0, false, true},
        {" \t ", 1, false, true},
        {"x", 2, true, false},
        {" list@example.org ", -1, true, false},
    };
    for (const AddressCase& c : cases) {
        props.addressEdit = c.edit;
        props.selectedAddress = c.selected;
        const PropsView view = RefreshPropsWindow();
        EXPECT_EQ(view.addEnabled, c.addEnabled) << '"' << c.edit << '"';
        EXPECT_EQ(view.removeEnabled, c.removeEnabled) << c.selected;
        EXPECT_EQ(AddAddress(), c.addEnabled) << '"' << c.edit << '"';
        props.mailingList.resize(2);
    }
}

TEST_F(PropsTest, AnEmptyActiveListHidesThePagesThatNeedAMailerAndAsksToBeShown) {
    Shell().recentPage = kPageAbout;
    const PropsView view = RefreshPropsWindow();
    EXPECT_FALSE(view.mailerTabsShown);
    EXPECT_TRUE(view.noticeShown);
    EXPECT_TRUE(view.showMailerChoice);
    EXPECT_EQ(Shell().recentPage, kPageMailerChoice);
    EXPECT_EQ(ui.processed, 1);
}

TEST_F(PropsTest, WithActiveMailersThePagesShowAndTheMarksAreSet) {
    const std::string a = EntryText({"A", "", "x.exe"});
    const std::string b = EntryText({"B", "", "y.exe"});
    const std::string c = EntryText({"C", "", "x.exe"});
    Mailers().active = {a, b, c};
    Mailers().sameDriverMarks = {false, true, false};
    props.selectedActive = 2;
    Shell().recentPage = kPageOptions;
    const PropsView view = RefreshPropsWindow();
    EXPECT_TRUE(view.mailerTabsShown);
    EXPECT_FALSE(view.noticeShown);
    EXPECT_FALSE(view.showMailerChoice);
    EXPECT_EQ(Shell().recentPage, kPageOptions);
    EXPECT_THAT(Mailers().active, ElementsAre(a, b, c));
    EXPECT_THAT(Mailers().sameDriverMarks, ElementsAre(true, false, false));
}

TEST_F(PropsTest, SelectPageCountsAllFivePages) {
    for (int page = 0; page < 5; ++page) {
        EXPECT_EQ(SelectPage(page), page);
        EXPECT_EQ(Shell().recentPage, page);
    }
    EXPECT_EQ(SelectPage(5), -1);
    EXPECT_EQ(SelectPage(-1), -1);
    EXPECT_EQ(Shell().recentPage, 4);
}

// F1 has the page's own topic (none for Special); the Help button counts from Routine's, and
// a stored recent page that is no page (a damaged settings file) counts as Routine.
TEST_F(PropsTest, PagesHaveTheirHelpTopicsAndTheHelpButtonCountsFromTheFirst) {
    const struct {
        int page;
        int own;
        int button;
    } cases[] = {{0, 4000, 4000}, {1, 0, 4001}, {2, 4002, 4002}, {3, 4003, 4003},
                 {4, 4004, 4004}, {5, 0, 4000}, {-1, 0, 4000},   {2147483647, 0, 4000}};
    for (const auto& c : cases) {
        Shell().recentPage = c.page;
        EXPECT_EQ(PageHelpContext(c.page), c.own) << c.page;
        EXPECT_EQ(HelpButtonContext(), c.button) << c.page;
    }
}

TEST_F(PropsTest, AddressesAreAddedAsTypedInTheOrderOfEntry) {
    props.addressEdit = "   ";
    EXPECT_FALSE(AddAddress());
    EXPECT_THAT(props.mailingList, IsEmpty());
    EXPECT_EQ(props.addressEdit, "   ");

    for (const char* typed : {"zeta@lists.example.org ", " Alpha@Lists.example.org"}) {
        props.addressEdit = typed;
        EXPECT_TRUE(AddAddress());
        EXPECT_EQ(props.addressEdit, "");
    }
    EXPECT_THAT(props.mailingList,
                ElementsAre("zeta@lists.example.org ", " Alpha@Lists.example.org"));
}

TEST_F(PropsTest, RemoveBringsTheSelectedAddressBackIntoTheEdit) {
    props.mailingList = {"a@x.org", "b@x.org ", "c@x.org"};
    props.addressEdit = "typed";
    props.selectedAddress = -1;
    EXPECT_FALSE(RemoveAddress());
    EXPECT_EQ(props.addressEdit, "typed");

    props.selectedAddress = 1;
    EXPECT_TRUE(RemoveAddress());
    EXPECT_EQ(props.addressEdit, "b@x.org ");
    EXPECT_THAT(props.mailingList, ElementsAre("a@x.org", "c@x.org"));
    EXPECT_EQ(props.selectedAddress, -1);
    EXPECT_FALSE(RefreshPropsWindow().removeEnabled);
}

TEST_F(PropsTest, TheAboutTextHasItsSevenLinesAfterAnEmptyOne) {
    Shell().distInfo = " (Demo CD)";
    Mailers().directory = "C:\\Mail Drivers";
    system.version = {4, 0, 0x05650565, 2, "Service Pack 6"};
    Core().PGPMainProgramPath = "C:\\Program Files\\PGP\\PGPtray.exe";
    Core().PGPProductName = " PGP for Personal Privacy";
    Core().PGPFileVersion = " 5.5.3 ";

    FillAboutText("  1.0.0.7 ");
    EXPECT_EQ(props.aboutText,
              "\r\n"
              "Tervane 5 V1.0.0.7 (Demo CD)\r\n"
              "Installed in: C:\\Program Files\\Tervane 5\\\r\n"
              "Mail Form Drivers in: C:\\Mail Drivers\r\n"
              "Windows: 4.0.1381 WinNTService Pack 6\r\n"
              "Using  PGP for Personal Privacy V5.5.3\r\n"
              "Installed in: C:\\Program Files\\PGP\\\r\n"
              "PGP is a trade mark of Pretty Good Privacy, Inc.\r\n");
}

TEST_F(PropsTest, CtrlAltAAsksToFlipSuperDebugAndOnlyNoKeepsIt) {
    struct Step {
        int answer;
        const char* question;
        bool after;
    };
    const Step steps[] = {
        {mrYes, "Super debug status is: OFF. Change?", true},
        {mrYes, "Super debug status is: ON. Change?", false},
        {mrNo, "Super debug status is: OFF. Change?", false},
        {mrCancel, "Super debug status is: OFF. Change?", true},
    };
    for (const Step& s : steps) {
        user.answers = {s.answer};
        EXPECT_TRUE(PropsKeyDown(s.answer == mrNo ? 97 : 65, true, true));
        EXPECT_EQ(user.shown.back().text, s.question);
        EXPECT_EQ(user.shown.back().kind, MsgDlgType::Confirmation);
        EXPECT_EQ(user.shown.back().boxFlags, kMbYesNo);
        EXPECT_EQ(Shell().superDebug, s.after);
    }
}

TEST_F(PropsTest, OtherKeysAskNothing) {
    const struct {
        int key;
        bool ctrl;
        bool alt;
    } keys[] = {{65, true, false}, {65, false, true}, {97, false, false}, {66, true, true}};
    for (const auto& k : keys) {
        EXPECT_FALSE(PropsKeyDown(k.key, k.ctrl, k.alt)) << k.key;
    }
    EXPECT_THAT(user.shown, IsEmpty());
    EXPECT_FALSE(Shell().superDebug);
}

TEST_F(PropsTest, RunPGPItemStartsTheProgramFromTheShortPGPDirectory) {
    Core().PGPMainProgramPath = "C:\\Program Files\\PGP\\PGPtray.exe";
    system.shortPaths["C:\\Program Files\\PGP\\"] = "C:\\PROGRA~1\\PGP\\";
    EXPECT_TRUE(RunPGPItem("PGPKeys.Exe"));
    EXPECT_THAT(processes.winExecs, ElementsAre("C:\\PROGRA~1\\PGP\\\\PGPKeys.Exe"));
    EXPECT_THAT(user.shown, IsEmpty());
    EXPECT_EQ(application.terminateRequests, 0);
}

// A volume without short names: the quotes keep "C:\Program.exe" from being started.
TEST_F(PropsTest, RunPGPItemQuotesADirectoryWithBlanksThatHasNoShortForm) {
    Core().PGPMainProgramPath = "C:\\Program Files\\PGP\\PGPtray.exe";
    EXPECT_TRUE(RunPGPItem("PGPKeys.Exe"));
    EXPECT_THAT(processes.winExecs, ElementsAre("\"C:\\Program Files\\PGP\\\\PGPKeys.Exe\""));
}

TEST_F(PropsTest, RunPGPItemWithAnEmptyPathFailsFatally) {
    processes.winExecResult = 2;
    Checkpoint() = 7;
    EXPECT_FALSE(RunPGPItem("PGPKeys.Exe"));
    EXPECT_THAT(processes.winExecs, ElementsAre("\\PGPKeys.Exe"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Error);
    EXPECT_EQ(user.shown[0].text, "Error in RunPGPItem/Winexec returned 2.7 with ");
    EXPECT_THAT(Log(), HasSubstr("Error in RunPGPItem/Winexec returned 2.7 with "));
    EXPECT_EQ(application.terminateRequests, 1);
}

TEST_F(PropsTest, RunPGPItemReportsThePGPMainProgramPathWhenAStartFails) {
    Core().PGPMainProgramPath = "C:\\Gone\\PGPtray.exe";
    processes.winExecResult = 31;
    EXPECT_FALSE(RunPGPItem("PGPTray.Exe"));
    EXPECT_THAT(processes.winExecs, ElementsAre("C:\\Gone\\\\PGPTray.Exe"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "Error in RunPGPItem/Winexec returned 31.0 with C:\\Gone\\PGPtray.exe");
}

TEST_F(PropsTest, PGPTrayIsStartedOnlyWhenItIsNotRunning) {
    Core().PGPMainProgramPath = "C:\\PGP\\PGPtray.exe";
    windows.byClass[kPGPtrayClass] = 40;
    RunPGPTray();
    EXPECT_THAT(processes.winExecs, IsEmpty());
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, "PGPTray is already running");
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_EQ(user.shown[0].boxFlags, kMbOk);

    windows.byClass.erase(kPGPtrayClass);
    RunPGPTray();
    EXPECT_THAT(processes.winExecs, ElementsAre("C:\\PGP\\\\PGPTray.Exe"));
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(PropsTest, TheHelpFileIsTheFirstPGPHelpFileInThePGPDirectory) {
    Core().PGPMainProgramPath = "C:\\PGP\\PGPtray.exe";
    EXPECT_EQ(FindPGPHelpFile(), "");
    for (const char* other : {"C:\\PGP\\Readme.hlp", "C:\\PGP\\PGP.txt", "C:\\PGP\\Sub\\PGP.hlp",
                              "C:\\Other\\PGP55.hlp"}) {
        files.Put(other, "");
    }
    EXPECT_EQ(FindPGPHelpFile(), "");
    files.Put("C:\\PGP\\pgp55.HLP", "");
    files.Put("C:\\PGP\\PGPzz.hlp", "");
    EXPECT_EQ(FindPGPHelpFile(), "C:\\PGP\\pgp55.HLP");
    EXPECT_EQ(files.calls.back(), "FindFirst C:\\PGP\\PGP*.Hlp");
}

}  // namespace
