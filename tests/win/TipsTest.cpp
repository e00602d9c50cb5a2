#include "win32/Tips.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "shell/Tips.h"
#include "win32/ControlIds.h"

namespace {

constexpr const char* kCaption = "Tervane 5 - Tip of the Day";

// Tips stepped in a ring, with what the window asked of them.
class RingOfTips : public ITipBrowser {
public:
    explicit RingOfTips(std::vector<TipLine> tips) : tips_(std::move(tips)) {}

    const std::string& Text() const override { return tips_[index_].text; }
    int HelpContext() const override { return tips_[index_].helpContext; }
    bool ShowTips() const override { return showTips; }
    void Next() override { index_ = (index_ + 1) % tips_.size(); }
    void Previous() override { index_ = (index_ + tips_.size() - 1) % tips_.size(); }
    void SetShowTips(bool on) override {
        showTips = on;
        switches.push_back(on);
    }

    bool showTips = true;
    std::vector<bool> switches;  // every click of "Show these tips"

private:
    std::vector<TipLine> tips_;
    std::size_t index_ = 0;
};

std::string TextOf(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND FindTipWindow() {
    const HWND window = FindWindowA("#32770", kCaption);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return window && process == GetCurrentProcessId() && IsWindowVisible(window) ? window : nullptr;
}

// Closes whatever dialog this process shows, so that a test whose window never appeared
// under its caption still ends.
void CloseAnyDialog() {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(box, &process);
        if (process == GetCurrentProcessId()) {
            PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        }
    }
}

// Clicks the control and returns once the window has handled the click.
void Press(HWND window, int id) {
    SendMessageA(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

// Shows the tip window and, from a thread of its own, waits up to 20 seconds for it, hands
// it to `use`, then presses "&Ok" when it is still open. False when it never appeared.
bool ShowAndUse(RingOfTips& tips, const std::function<void(HWND)>& use,
                std::vector<int>* helpOpened = nullptr) {
    bool appeared = false;
    std::thread user([&] {
        const ULONGLONG deadline = GetTickCount64() + 20000;
        HWND window = nullptr;
        while (!(window = FindTipWindow()) && GetTickCount64() < deadline) {
            Sleep(20);
        }
        if (!window) {
            CloseAnyDialog();
            return;
        }
        appeared = true;
        use(window);
        // A window that `use` ended is hidden at once but destroyed only once its modal loop
        // ends; a click sent then would wait for a thread that no longer handles messages.
        if (IsWindowVisible(window)) {
            Press(window, IDOK);
        }
    });
    TfrmTips(tips, [helpOpened](HWND, int context) {
        if (helpOpened) {
            helpOpened->push_back(context);
        }
    }).ShowModal();
    user.join();
    return appeared;
}

struct Shown {
    std::string text;
    bool helpEnabled = false;
    bool showTips = false;
    bool operator==(const Shown&) const = default;
};

Shown ShownIn(HWND window) {
    return {TextOf(GetDlgItem(window, kLblTipText)),
            IsWindowEnabled(GetDlgItem(window, IDHELP)) != 0,
            IsDlgButtonChecked(window, kChkShowTips) == BST_CHECKED};
}

std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << '"' << s.text << "\" help " << s.helpEnabled << " box " << s.showTips;
}

LOGFONTA FontOf(HWND window) {
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

const std::vector<TipLine> kThreeTips = {
    {4000, "A left click processes the message at the front."},
    {0, "DebugLog.Txt tells what happened."},
    {9020, "Tips can be switched off."},
};

TEST(TipWindow, OpensAsAFixedTopmostWindowCentredOnTheScreen) {
    struct {
        std::string caption;
        RECT client{}, frame{};
        LONG_PTR style = 0, exStyle = 0;
        std::vector<std::string> texts;
        int focused = 0;
        LRESULT defaultId = 0;
        LOGFONTA heading{}, body{};
        Shown shown;
    } seen;
    RingOfTips tips(kThreeTips);
    const bool appeared = ShowAndUse(tips, [&](HWND window) {
        seen.caption = TextOf(window);
        GetClientRect(window, &seen.client);
        GetWindowRect(window, &seen.frame);
        seen.style = GetWindowLongPtrA(window, GWL_STYLE);
        seen.exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
        for (int id : {kLblTipHeading, IDOK, kBtnTipNext, kBtnTipPrevious, IDHELP, kChkShowTips}) {
            seen.texts.push_back(TextOf(GetDlgItem(window, id)));
        }
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
        seen.focused = GetDlgCtrlID(thread.hwndFocus);
        seen.defaultId = SendMessageA(window, DM_GETDEFID, 0, 0);
        seen.heading = FontOf(GetDlgItem(window, kLblTipHeading));
        seen.body = FontOf(window);
        seen.shown = ShownIn(window);
    });
    ASSERT_TRUE(appeared);
    EXPECT_EQ(seen.caption, kCaption);
    EXPECT_EQ(seen.client.right, 363);
    EXPECT_EQ(seen.client.bottom, 204);
    EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(seen.style & WS_SYSMENU);
    EXPECT_FALSE(seen.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_NEAR((seen.frame.left + seen.frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((seen.frame.top + seen.frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(seen.texts, (std::vector<std::string>{"Did you know?", "&Ok", "&Next", "&Previous",
                                                    "&Help", "Show these tips"}));
    EXPECT_EQ(seen.focused, IDOK);
    EXPECT_EQ(seen.defaultId, MAKELRESULT(IDOK, DC_HASDEFID));
    EXPECT_GE(seen.heading.lfWeight, FW_BOLD);
    EXPECT_GT(std::abs(seen.heading.lfHeight), std::abs(seen.body.lfHeight));
    EXPECT_EQ(seen.shown, (Shown{kThreeTips[0].text, true, true}));
}

TEST(TipWindow, NextAndPreviousShowTheTipStepsToAndHelpFollowsItsContext) {
    std::vector<Shown> seen;
    RingOfTips tips(kThreeTips);
    ASSERT_TRUE(ShowAndUse(tips, [&](HWND window) {
        for (int id : {kBtnTipNext, kBtnTipNext, kBtnTipNext, kBtnTipPrevious}) {
            Press(window, id);
            seen.push_back(ShownIn(window));
        }
    }));
    EXPECT_EQ(seen, (std::vector<Shown>{{kThreeTips[1].text, false, true},
                                        {kThreeTips[2].text, true, true},
                                        {kThreeTips[0].text, true, true},
                                        {kThreeTips[2].text, true, true}}));
}

TEST(TipWindow, TheBoxShowsTheSwitchAndEachClickSetsIt) {
    RingOfTips tips(kThreeTips);
    tips.showTips = false;
    std::vector<bool> checked;
    ASSERT_TRUE(ShowAndUse(tips, [&](HWND window) {
        checked.push_back(ShownIn(window).showTips);
        Press(window, kChkShowTips);
        Press(window, kChkShowTips);
        checked.push_back(ShownIn(window).showTips);
    }));
    EXPECT_EQ(checked, (std::vector<bool>{false, false}));
    EXPECT_EQ(tips.switches, (std::vector<bool>{true, false}));
}

// Each way out closes the window at once; only Help opens a topic, the current tip's.
TEST(TipWindow, OkEscapeAndHelpCloseIt) {
    const struct {
        const char* name;
        int command;
        std::vector<int> helpOpened;
    } cases[] = {
        {"Ok", IDOK, {}},
        {"Escape", IDCANCEL, {}},
        {"Help", IDHELP, {9020}},
    };
    for (const auto& c : cases) {
        RingOfTips tips(kThreeTips);
        tips.Previous();  // the third tip, with a help topic
        bool openAfter = true;
        std::vector<int> helpOpened;
        ASSERT_TRUE(ShowAndUse(
            tips,
            [&](HWND window) {
                SendMessageA(window, WM_COMMAND, MAKEWPARAM(c.command, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(window, c.command)));
                openAfter = IsWindow(window) && IsWindowVisible(window);
            },
            &helpOpened))
            << c.name;
        EXPECT_FALSE(openAfter) << c.name;
        EXPECT_EQ(helpOpened, c.helpOpened) << c.name;
    }
}

}  // namespace
