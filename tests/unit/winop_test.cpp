#include "mailers/winop.h"

#include <gtest/gtest.h>

#include "fakes/FakeOs.h"

namespace {

STRINGER Exact(const std::string& text) {
    return {text, ""};
}

STRINGER Contains(const std::string& text) {
    return {"", text};
}

TEST(MatchesStringer, ContainsThenNonEmptyExactThenAllEmpty) {
    struct Case {
        std::string text;
        STRINGER pattern;
        bool expected;
    } cases[] = {
        {"Inbox - Mail", Contains("Inbox"), true},
        {"Inbox - Mail", Exact("Inbox"), false},
        {"Inbox", Exact("Inbox"), true},
        {"inbox", Exact("Inbox"), false},
        {"Inbox - Mail", Contains("inbox"), false},
        {"", Exact(""), true},
        {"anything", {}, true},
        {"", Exact("Inbox"), false},
        {"", Contains("Inbox"), false},
        {"Inbox", {"Other", "box"}, true},
        {"Inbox", {"Inbox", "Other"}, true},
        {"Inbox", {"Other", "Else"}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MatchesStringer(c.text, c.pattern), c.expected)
            << "'" << c.text << "' against exact '" << c.pattern.Exact << "', contains '"
            << c.pattern.Contains << "'";
    }
}

class WinopTest : public FakeOs {
protected:
    // 1 "Inbox - Mail" / 11 "Folder" / 111 "Message", then the top-level window 2 "Other".
    void MailerTree() {
        windows.Add(1, 0, "Inbox - Mail", "MailFrame");
        windows.Add(11, 1, "Folder", "MDIClient");
        windows.Add(111, 11, "Message", "Edit");
        windows.Add(2, 0, "Other", "Other");
    }

    // A chain of `levels` windows below `top`, numbered top + 1, top + 2, ...
    void Chain(WindowId top, int levels) {
        for (int level = 1; level <= levels; ++level) {
            windows.Add(top + level, top + level - 1, "Level " + std::to_string(level), "Deep");
        }
    }

    // Answers as many depth messages as the test expects.
    void ExpectDepthMessages(int count) {
        for (int i = 0; i < count; ++i) {
            user.answers.push_back(mrAbort);
        }
        expectedMessages_ = count;
    }

    void TearDown() override {
        FakeOs::TearDown();
        ASSERT_EQ(user.shown.size(), static_cast<size_t>(expectedMessages_));
        for (const ScriptedUser::Shown& s : user.shown) {
            EXPECT_EQ(s.text, kTooComplexWindows);
            EXPECT_EQ(s.kind, MsgDlgType::Error);
            EXPECT_EQ(s.buttons, (MsgDlgButtons{MsgDlgBtn::Abort}));
            EXPECT_EQ(s.helpContext, 0);
        }
    }

private:
    int expectedMessages_ = 0;
};

WINDOW FullPatternOfMessage() {
    WINDOW p;
    p.Caption = Exact("Message");
    p.ClassName = Exact("Edit");
    p.Parent.Caption = Exact("Folder");
    p.Parent.ClassName = Exact("MDIClient");
    p.Parent.GrandParent.Caption = Exact("Inbox - Mail");
    p.Parent.GrandParent.ClassName = Exact("MailFrame");
    return p;
}

TEST_F(WinopTest, EveryPartOfThePatternMustMatch) {
    MailerTree();
    ASSERT_EQ(FindWindowByPattern(FullPatternOfMessage(), 1), WindowId{111});

    struct Case {
        const char* field;
        STRINGER WINDOW::*own;
        STRINGER PWINDOW::*parent;
        STRINGER GPWINDOW::*grandParent;
    } cases[] = {
        {"caption", &WINDOW::Caption, nullptr, nullptr},
        {"class", &WINDOW::ClassName, nullptr, nullptr},
        {"parent caption", nullptr, &PWINDOW::Caption, nullptr},
        {"parent class", nullptr, &PWINDOW::ClassName, nullptr},
        {"grandparent caption", nullptr, nullptr, &GPWINDOW::Caption},
        {"grandparent class", nullptr, nullptr, &GPWINDOW::ClassName},
    };
    for (const Case& c : cases) {
        WINDOW p = FullPatternOfMessage();
        STRINGER& field = c.own      ? p.*c.own
                          : c.parent ? p.Parent.*c.parent
                                     : p.Parent.GrandParent.*c.grandParent;
        field = Exact("Wrong");
        EXPECT_EQ(FindWindowByPattern(p, 2), WindowId{0}) << c.field;
    }
}

TEST_F(WinopTest, AncestorClassesApplyOnlyWhenTheAncestorExists) {
    MailerTree();
    // A top-level window has neither parent nor grandparent, so their class patterns pass;
    // their caption patterns compare against the empty text.
    WINDOW p;
    p.Parent.ClassName = Exact("MDIClient");
    p.Parent.GrandParent.ClassName = Exact("MailFrame");
    EXPECT_EQ(FindWindowByPattern(p, 2), WindowId{1});

    p.Parent.Caption = Contains("Folder");
    EXPECT_EQ(FindWindowByPattern(p, 2), WindowId{111});
}

TEST_F(WinopTest, AnEmptyPatternGivesTheFirstTopLevelWindow) {
    MailerTree();
    EXPECT_EQ(FindWindowByPattern(WINDOW{}, 2), WindowId{1});
}

TEST_F(WinopTest, DepthFirstInZOrderAndTheFirstMatchIsKept) {
    windows.Add(1, 0, "Top one", "Frame");
    windows.Add(11, 1, "Pane", "Box");
    windows.Add(111, 11, "Deep target", "Box");
    windows.Add(12, 1, "Shallow target", "Box");
    windows.Add(2, 0, "Top target", "Frame");

    WINDOW p;
    p.Caption = Contains("target");
    EXPECT_EQ(FindWindowByPattern(p, 2), WindowId{111});
    p.ClassName = Exact("Frame");
    EXPECT_EQ(FindWindowByPattern(p, 1), WindowId{2});
}

TEST_F(WinopTest, NothingFoundGivesNoWindow) {
    MailerTree();
    WINDOW p;
    p.Caption = Exact("Absent");
    EXPECT_EQ(FindWindowByPattern(p, 1), WindowId{0});
}

TEST_F(WinopTest, EachWindowNineOrMoreLevelsDownIsReportedOnce) {
    windows.Add(100, 0, "Deep tree", "Frame");
    Chain(100, 10);
    ExpectDepthMessages(2);
    WINDOW p;
    p.Caption = Exact("Level 10");
    EXPECT_EQ(FindWindowByPattern(p, 100), WindowId{110});
}

TEST_F(WinopTest, EightLevelsDownIsQuiet) {
    windows.Add(100, 0, "Tree", "Frame");
    Chain(100, 8);
    EXPECT_EQ(FindWindowByPattern(WINDOW{}, 100), WindowId{100});
}

TEST_F(WinopTest, TheTopLevelWindowOfTheMatchIsWalkedToItsEndButNoFurther) {
    windows.Add(100, 0, "Found here", "Frame");
    Chain(100, 9);
    windows.Add(200, 0, "Never walked", "Frame");
    Chain(200, 9);
    ExpectDepthMessages(1);
    WINDOW p;
    p.Caption = Exact("Found here");
    EXPECT_EQ(FindWindowByPattern(p, 200), WindowId{100});
}

TEST_F(WinopTest, FindWindowCaptionGivesTheWholeCaptionOrNothing) {
    MailerTree();
    EXPECT_EQ(FindWindowCaption("box", 2), "Inbox - Mail");
    EXPECT_EQ(FindWindowCaption("Mess", 1), "Message");
    EXPECT_EQ(FindWindowCaption("Absent", 1), "");
}

TEST_F(WinopTest, OutermostAncestorClimbsToTheTop) {
    MailerTree();
    EXPECT_EQ(OutermostAncestor(111), WindowId{1});
    EXPECT_EQ(OutermostAncestor(11), WindowId{1});
    EXPECT_EQ(OutermostAncestor(1), WindowId{1});
}

}  // namespace
