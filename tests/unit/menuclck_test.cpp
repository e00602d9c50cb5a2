#include "mailers/menuclck.h"

#include <gtest/gtest.h>

#include "fakes/FakeOs.h"

namespace {

class ChooseMenuCommandTest : public FakeOs {
protected:
    // Window 7's menu bar 100: "&File", "&Edit" (menu 300, with the submenu "&Format", 400)
    // and the plain command "&Help".
    ChooseMenuCommandTest() {
        windows.menuBars[7] = 100;
        windows.menus[100] = {{"&File", 0, 200}, {"&Edit", 0, 300}, {"&Help", 90, 0}};
        windows.menus[200] = {{"E&xit", 1, 0}};
        windows.menus[300] = {{"&Undo\tCtrl+Z", 10, 0},
                              {"Select &All\tCtrl+A", 11, 0},
                              {"&Copy", 12, 0},
                              {"&Format", 0, 400}};
        windows.menus[400] = {{"&Bold", 20, 0}};
    }
};

TEST_F(ChooseMenuCommandTest, SendsTheCommandOfTheItemFoundOrNamesTheMissingText) {
    struct Case {
        const char* top;
        const char* item;
        const char* subItem;
        const char* missing;
        const char* sent;  // empty for nothing sent
    } cases[] = {
        {"&Edit", "Select &All", "", "", "SendCommand 7 11"},
        {"&Edit", "&Copy", "", "", "SendCommand 7 12"},
        {"&Edit", "&Format", "&Bold", "", "SendCommand 7 20"},
        {"&Edit", "Select All", "", "Select All", ""},
        {"&Edit", "&Paste", "", "&Paste", ""},
        {"&Edit", "&Format", "&Italic", "&Italic", ""},
        {"&Edit", "&Format", "", "&Format", ""},
        {"&View", "&Copy", "", "&View", ""},
        {"&Help", "&Contents", "", "&Contents", ""},
    };
    for (const Case& c : cases) {
        windows.calls.clear();
        EXPECT_EQ(ChooseMenuCommand(7, c.top, c.item, c.subItem), c.missing)
            << c.top << " / " << c.item << " / " << c.subItem;
        const std::vector<std::string> sent =
            *c.sent ? std::vector<std::string>{c.sent} : std::vector<std::string>{};
        EXPECT_EQ(windows.calls, sent) << c.top << " / " << c.item << " / " << c.subItem;
    }
}

TEST_F(ChooseMenuCommandTest, LogsEachStep) {
    ChooseMenuCommand(7, "&Edit", "Select &All", "");
    const std::string log = Log();
    for (const char* line :
         {": mc1 100\r\n", ": mc2 300\r\n", ": mc3 -1\r\n", ": mp 1\r\n", ": mc5 11\r\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << " in " << log;
    }
    EXPECT_EQ(log.find("mc4 "), std::string::npos);
}

TEST_F(ChooseMenuCommandTest, AWindowWithoutAMenuBarMissesTheTopText) {
    EXPECT_EQ(ChooseMenuCommand(8, "&Edit", "Select &All", ""), "&Edit");
    EXPECT_TRUE(windows.calls.empty());
    EXPECT_NE(Log().find(": mc1 0\r\n"), std::string::npos);
}

}  // namespace
