#include "shell/MailerLists.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/PropsModel.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string Entry(const std::string& name, const std::string& driver) {
    return name + std::string(kEntryGap, ' ') + driver;
}

class MailerListsTest : public FakeOs {
protected:
    MailerLibrary& m = Mailers();
    PropsModel& props = Props();
};

TEST_F(MailerListsTest, MailersSharingADriverMoveTogetherAndBack) {
    m.library = {Entry("Alpha", "a.exe"), Entry("Beta", "shared.mfs"), Entry("Eta", "SHARED.mfs"),
                 Entry("Zeta", "shared.mfs")};
    m.active = {Entry("beta", "b.exe"), Entry("delta", "d.exe")};
    props.selectedLibrary = 3;

    EXPECT_TRUE(MakeActive());
    EXPECT_THAT(m.library, ElementsAre(Entry("Alpha", "a.exe"), Entry("Eta", "SHARED.mfs")));
    EXPECT_THAT(m.active, ElementsAre(Entry("beta", "b.exe"), Entry("Beta", "shared.mfs"),
                                      Entry("delta", "d.exe"), Entry("Zeta", "shared.mfs")));
    EXPECT_THAT(m.sameDriverMarks, ElementsAre(false, false, false, true));
    EXPECT_EQ(props.selectedLibrary, -1);
    EXPECT_EQ(props.selectedActive, 1);
    EXPECT_THAT(m.activeDrivers, ElementsAre("b.exe", "d.exe", "shared.mfs"));
    EXPECT_THAT(user.shown, IsEmpty());

    props.selectedActive = 3;
    ReturnToLibrary();
    EXPECT_THAT(m.library, ElementsAre(Entry("Alpha", "a.exe"), Entry("Beta", "shared.mfs"),
                                       Entry("Eta", "SHARED.mfs"), Entry("Zeta", "shared.mfs")));
    EXPECT_THAT(m.active, ElementsAre(Entry("beta", "b.exe"), Entry("delta", "d.exe")));
    EXPECT_EQ(props.selectedLibrary, 1);
    EXPECT_EQ(props.selectedActive, -1);
    EXPECT_THAT(m.activeDrivers, ElementsAre("b.exe", "d.exe"));
}

TEST(MailerListDrop, MovesOnlyFromOneListOntoTheOther) {
    constexpr DropPlace kPlaces[] = {DropPlace::Library, DropPlace::Active,
                                     DropPlace::NoMailersNotice, DropPlace::Elsewhere};
    const bool fromLibrary[] = {false, true, true, false};
    const bool fromActive[] = {true, false, false, false};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(DropMoves(MailerList::Library, kPlaces[i]), fromLibrary[i]) << i;
        EXPECT_EQ(DropMoves(MailerList::Active, kPlaces[i]), fromActive[i]) << i;
    }
}

TEST_F(MailerListsTest, WithoutASelectionNothingMoves) {
    m.library = {Entry("Alpha", "a.exe")};
    m.active = {Entry("Beta", "b.exe")};
    m.activeDrivers = {"stale.exe"};
    for (int none : {-1, 1}) {
        props.selectedLibrary = none;
        props.selectedActive = none;
        EXPECT_FALSE(MakeActive());
        ReturnToLibrary();
        EXPECT_THAT(m.library, ElementsAre(Entry("Alpha", "a.exe")));
        EXPECT_THAT(m.active, ElementsAre(Entry("Beta", "b.exe")));
        EXPECT_THAT(m.activeDrivers, ElementsAre("stale.exe"));
    }
}

struct ExclusiveCase {
    const char* what;
    std::vector<std::string> active;  // before
    std::string chosen;               // the one Library entry, selected
    int answer;
    std::string question;
    std::vector<std::string> activeAfter;
    std::vector<std::string> libraryAfter;
};

TEST_F(MailerListsTest, ExclusiveDriversAskBeforeTheActiveListIsCleared) {
    const std::string plain = Entry("Plain Mail", "p.exe");
    const std::string other = Entry("Other", "o.exe");
    const std::string notes = Entry("Notes", "notes.mfs");
    const std::string solo = Entry("Solo", "solo.exe");
    const std::string cannotExist =
        "\"Plain Mail\" cannot exist in the Active list with \"Notes\"\r\n\n"
        "To remove Notes press Yes. To abandon this operation, press No";
    const std::string soloAlone =
        "To use \"Solo\" all other mailers will be removed from the Active list. Proceed?";
    const ExclusiveCase cases[] = {
        {"exclusive first Active entry, Yes", {notes}, plain, mrYes, cannotExist, {plain}, {notes}},
        {"exclusive first Active entry, No", {notes}, plain, mrNo, cannotExist, {notes}, {plain}},
        {"exclusive chosen entry, Yes",
         {other, plain},
         solo,
         mrYes,
         soloAlone,
         {solo},
         {other, plain}},
        {"exclusive chosen entry, No",
         {other, plain},
         solo,
         mrNo,
         soloAlone,
         {other, plain},
         {solo}},
        {"both exclusive: the first Yes empties the list, so the second is not asked; a name "
         "that starts with \"=\" keeps it",
         {Entry("=Notes", "notes.mfs")},
         solo,
         mrYes,
         "\"Solo\" cannot exist in the Active list with \"=Notes\"\r\n\n"
         "To remove =Notes press Yes. To abandon this operation, press No",
         {solo},
         {Entry("=Notes", "notes.mfs")}},
    };
    for (const ExclusiveCase& c : cases) {
        SCOPED_TRACE(c.what);
        m = MailerLibrary{};
        props = PropsModel{};
        user.shown.clear();
        m.exclusiveDrivers = {"NOTES.MFS", "missing.exe", "Solo.Exe"};
        m.active = c.active;
        m.library = {c.chosen};
        props.selectedLibrary = 0;
        user.answers = {c.answer};

        EXPECT_EQ(MakeActive(), c.answer == mrYes);
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].text, c.question);
        EXPECT_EQ(user.shown[0].kind, MsgDlgType::Confirmation);
        EXPECT_EQ(user.shown[0].boxFlags, kMbYesNo);
        EXPECT_EQ(m.active, c.activeAfter);
        EXPECT_EQ(m.library, c.libraryAfter);
        EXPECT_EQ(props.selectedLibrary, c.answer == mrYes ? -1 : 0);
    }
}

TEST_F(MailerListsTest, ClearingTheActiveListKeepsTheLibrarySelectionByTextIgnoringCase) {
    // Equal apart from letter case, in the order the library file gave them.
    m.library = {Entry("MAIL", "m.exe"), Entry("mail", "M.EXE")};
    m.active = {Entry("Beta", "b.exe"), Entry("Gamma", "b.exe"), Entry("Delta", "d.exe")};
    m.sameDriverMarks = {false, true, false};
    props.selectedLibrary = 1;
    props.selectedActive = 2;

    ClearActiveList();
    EXPECT_THAT(m.active, IsEmpty());
    EXPECT_THAT(m.sameDriverMarks, IsEmpty());
    EXPECT_THAT(m.activeDrivers, IsEmpty());
    EXPECT_THAT(m.library, ElementsAre(Entry("Beta", "b.exe"), Entry("Delta", "d.exe"),
                                       Entry("Gamma", "b.exe"), Entry("MAIL", "m.exe"),
                                       Entry("mail", "M.EXE")));
    EXPECT_EQ(props.selectedLibrary, 3);
    EXPECT_EQ(props.selectedActive, -1);

    m.active = {Entry("Epsilon", "e.exe")};
    props.selectedLibrary = -1;
    ClearActiveList();
    EXPECT_EQ(props.selectedLibrary, -1);
    EXPECT_EQ(m.library.size(), 6u);
}

// Marks as "=" shows them: "=" for a marked row, "" for one that is not.
std::vector<std::string> MarksShown(const MailerLibrary& m) {
    std::vector<std::string> shown;
    for (int row = 0; row < static_cast<int>(m.active.size()); ++row) {
        shown.push_back(HasSameDriverMark(m, row) ? "=" : "");
    }
    return shown;
}

struct MarkCase {
    std::vector<bool> before;
    int selected;
    std::vector<std::string> after;
};

// The texts never change, so a display name that itself starts with "=" keeps it.
TEST_F(MailerListsTest, SameDriverMarksFollowTheSelectedEntryInPlace) {
    const std::vector<std::string> texts = {Entry("A", "shared.exe"), Entry("B", "own.exe"),
                                            Entry("C", "shared.exe"), Entry("=D", "Shared.exe")};
    const MarkCase cases[] = {
        {{}, 0, {"", "", "=", ""}},
        {{false, false, true, false}, 2, {"=", "", "", ""}},
        {{true, false, true, true}, 1, {"", "", "", ""}},
        {{true, false, true, false}, 0, {"", "", "=", ""}},
        {{true, false, true, false}, -1, {"=", "", "=", ""}},
        {{}, 3, {"", "", "", ""}},
    };
    for (const MarkCase& mc : cases) {
        m.active = texts;
        m.sameDriverMarks = mc.before;
        props.selectedActive = mc.selected;
        MarkSameDriver();
        EXPECT_EQ(m.active, texts);
        EXPECT_EQ(MarksShown(m), mc.after) << "selected " << mc.selected;
        EXPECT_EQ(props.selectedActive, mc.selected);
    }
}

}  // namespace
