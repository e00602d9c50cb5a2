#include "shell/Tips.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "fakes/FakeOs.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"

namespace {

using Press = FakeTipWindow::Press;

TEST(ParseTipLine, SplitsAtTheFirstCommaAndReadsADecimalContext) {
    const struct {
        const char* line;
        int helpContext;
        const char* text;
    } cases[] = {
        {"4003,Tips can be switched off.", 4003, "Tips can be switched off."},
        {"0,One, two, three", 0, "One, two, three"},  // later commas are text
        {"No comma at all", 0, "No comma at all"},
        {"Options,A word before the comma", 0, "A word before the comma"},
        {"12ab,Digits and letters", 0, "Digits and letters"},
        {" 9002 ,Blanks round the number", 9002, "Blanks round the number"},
        {"99999999999,Too big for a number", 0, "Too big for a number"},
        {",Nothing before the comma", 0, "Nothing before the comma"},
        {"9020,", 9020, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) {
        const TipLine tip = ParseTipLine(c.line);
        EXPECT_EQ(tip.helpContext, c.helpContext) << c.line;
        EXPECT_EQ(tip.text, c.text) << c.line;
    }
}

class TipsTest : public FakeOs {
protected:
    void PutThreeTips() {
        files.Put(std::string(kDir) + "tips.dat",
                  "0,Line zero\r\n4003,Line one, with a comma\r\nHelp,Line two\r\n");
    }

    // The values written for the key to the settings file, in turn. Every save of the tip
    // settings writes both of its keys.
    std::vector<std::string> Written(const std::string& key) {
        const std::string marker = " " + key + "=";
        std::vector<std::string> values;
        for (const std::string& call : profiles.calls) {
            const std::size_t at = call.find(marker);
            if (call.find(" write ") != std::string::npos && at != std::string::npos) {
                values.push_back(call.substr(at + marker.size()));
            }
        }
        return values;
    }

    std::vector<std::string> SeenTexts() const {
        std::vector<std::string> texts;
        for (const FakeTipWindow::Seen& s : tipWindow.seen) {
            texts.push_back(s.text);
        }
        return texts;
    }
};

// Opening steps to the next tip first: the stored index is the tip last seen. Opening with
// tips on also saves once for the box, before the first step.
TEST_F(TipsTest, StepsWithWrapAroundAndSavesEveryStep) {
    const std::string zero = "Line zero", one = "Line one, with a comma", two = "Line two";
    const struct {
        int stored;
        std::vector<Press> presses;
        std::vector<std::string> seen;
        std::vector<std::string> saved;  // TipNumber, at each save in turn
    } cases[] = {
        {0, {}, {one}, {"0", "1"}},
        {2, {}, {zero}, {"2", "0"}},
        {2, {Press::Previous}, {zero, two}, {"2", "0", "2"}},
        {0, {Press::Next, Press::Next}, {one, two, zero}, {"0", "1", "2", "0"}},
        {1, {Press::Previous, Press::Previous}, {two, one, zero}, {"1", "2", "1", "0"}},
        {7, {Press::Next}, {zero, one}, {"7", "0", "1"}},  // beyond the end
        {-3, {}, {zero}, {"-3", "0"}},
    };
    PutThreeTips();
    for (const auto& c : cases) {
        Shell().tips.index = c.stored;
        tipWindow.seen.clear();
        tipWindow.presses = c.presses;
        profiles.calls.clear();
        ShowTipOfTheDay();
        EXPECT_EQ(SeenTexts(), c.seen) << "stored " << c.stored;
        EXPECT_EQ(Written("TipNumber"), c.saved) << "stored " << c.stored;
        EXPECT_EQ(std::to_string(Shell().tips.index), c.saved.back()) << "stored " << c.stored;
    }
}

TEST_F(TipsTest, HelpContextFollowsTheTipShown) {
    PutThreeTips();
    tipWindow.presses = {Press::Next, Press::Next};
    ShowTipOfTheDay();
    ASSERT_EQ(tipWindow.seen.size(), 3u);
    EXPECT_EQ(tipWindow.seen[0].helpContext, 4003);
    EXPECT_EQ(tipWindow.seen[1].helpContext, 0) << "not a number before the comma";
    EXPECT_EQ(tipWindow.seen[2].helpContext, 0);
}

// The window itself never asks for an index outside the list: opening always steps to a
// line. A file that shrank between two steps would.
TEST_F(TipsTest, AnIndexOutsideTheListCountsAsPastTheEnd) {
    const struct {
        int index;
        bool next;
        std::string text;
    } cases[] = {
        {3, true, "Line zero"},  {3, false, "Line two"},  {40, false, "Line two"},
        {-1, true, "Line zero"}, {-1, false, "Line two"},
    };
    PutThreeTips();
    TipBrowser tips;
    tips.Open();
    for (const auto& c : cases) {
        Shell().tips.index = c.index;
        if (c.next) {
            tips.Next();
        } else {
            tips.Previous();
        }
        EXPECT_EQ(tips.Text(), c.text) << c.index << (c.next ? " Next" : " Previous");
    }
}

// With tips off nothing is saved for the box, so every save would be a step's.
TEST_F(TipsTest, WithNoTipsTheStepsChangeNothing) {
    Shell().tips.enabled = false;
    for (const bool unreadable : {false, true}) {
        if (unreadable) {
            PutThreeTips();
            files.FailOpen(std::string(kDir) + "tips.dat", 5);
        }
        Shell().tips.index = 5;
        tipWindow.seen.clear();
        tipWindow.presses = {Press::Next, Press::Previous};
        profiles.calls.clear();
        ShowTipOfTheDay();
        EXPECT_EQ(tipWindow.openings, unreadable ? 2 : 1) << "the window opens all the same";
        EXPECT_EQ(SeenTexts(), (std::vector<std::string>{"", "", ""})) << unreadable;
        EXPECT_EQ(tipWindow.seen.back().helpContext, 0);
        EXPECT_EQ(Shell().tips.index, 5);
        EXPECT_TRUE(Written("TipNumber").empty());
    }
}

TEST_F(TipsTest, ASecondRequestWhileOpenIsIgnoredAndTheMainIconIsAwayMeanwhile) {
    PutThreeTips();
    std::vector<bool> iconWhileOpen;
    tipWindow.whileOpen = [&] {
        iconWhileOpen = tipWindow.mainIcon;
        EXPECT_TRUE(Shell().tipWindowOpen);
        ShowTipOfTheDay();  // the daily timer, say
    };
    ShowTipOfTheDay();
    EXPECT_EQ(tipWindow.openings, 1);
    EXPECT_EQ(iconWhileOpen, (std::vector<bool>{false}));
    EXPECT_EQ(tipWindow.mainIcon, (std::vector<bool>{false, true}));
    EXPECT_FALSE(Shell().tipWindowOpen);

    tipWindow.whileOpen = nullptr;
    ShowTipOfTheDay();
    EXPECT_EQ(tipWindow.openings, 2) << "closed, it opens again";
}

TEST_F(TipsTest, AFailingWindowStillPutsTheIconBackAndAllowsTheNextOpening) {
    PutThreeTips();
    tipWindow.whileOpen = [] { throw std::runtime_error("window failed"); };
    EXPECT_THROW(ShowTipOfTheDay(), std::runtime_error);
    EXPECT_EQ(tipWindow.mainIcon, (std::vector<bool>{false, true}));
    EXPECT_FALSE(Shell().tipWindowOpen);
}

// Checking the box as the window is made runs its handler, which saves the switch; a
// window opened on request with tips off saves nothing for its box.
TEST_F(TipsTest, TheBoxShowsTheSwitchAndClearingItTurnsTipsOffEverywhere) {
    PutThreeTips();
    Props().chkTipEnabled = false;
    tipWindow.presses = {Press::ShowTipsOff};
    ShowTipOfTheDay();
    ASSERT_EQ(tipWindow.seen.size(), 2u);
    EXPECT_TRUE(tipWindow.seen[0].showTips);
    EXPECT_FALSE(tipWindow.seen[1].showTips);
    EXPECT_EQ(Written("TipEnabled"), (std::vector<std::string>{"1", "1", "0"}));
    EXPECT_FALSE(Shell().tips.enabled);
    EXPECT_FALSE(Props().chkTipEnabled) << "the Options page's box follows";

    profiles.calls.clear();
    tipWindow.seen.clear();
    tipWindow.presses = {Press::ShowTipsOn};
    ShowTipOfTheDay();
    ASSERT_EQ(tipWindow.seen.size(), 2u);
    EXPECT_FALSE(tipWindow.seen[0].showTips);
    EXPECT_EQ(Written("TipEnabled"), (std::vector<std::string>{"0", "1"})) << "the step, the press";
    EXPECT_TRUE(Props().chkTipEnabled);
}

}  // namespace
