#include "win32/ScriptInfo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "platform/MailerWindows.h"
#include "win/ModalDriver.h"
#include "win/OnWin32.h"
#include "win/TestWindow.h"
#include "win32/ControlIds.h"

namespace {

constexpr const char* kCaption = "Mail Form Script - C:\\Mail Form Drivers\\DemoMail.mfs";

// A hundred lines, some of them long, as a script's "Information" section gives them.
std::string InformationText() {
    std::string text = "Demo Mail, driven by a script\r\n\r\nReads and writes its windows\r\n";
    for (int n = 4; n <= 100; ++n) {
        text += std::string(static_cast<std::size_t>(n * 3), 'x') + "\r\n";
    }
    return text;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT PlaceInParent(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class ScriptInfo : public OnWin32 {};

TEST_F(ScriptInfo, ShowsTheTextUnderItsCaptionAtAThirdOfTheFreeSpace) {
    const std::string text = InformationText();
    std::string memoText;
    RECT client{}, frame{};
    LONG_PTR style = 0;
    LOGFONTA font{};
    bool hasIcon = false;
    std::string closeText;
    std::vector<RECT> places;
    ModalDriver driver(kCaption, [&](HWND window) {
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        style = GetWindowLongPtrA(window, GWL_STYLE);
        const HWND memo = GetDlgItem(window, kTxtText1);
        memoText = TextOf(memo);
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(memo, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        hasIcon = SendDlgItemMessageA(window, kImgScriptInfoIcon, STM_GETICON, 0, 0) != 0;
        closeText = TextOf(GetDlgItem(window, kBtnCommand1));
        for (int id : {kTxtText1, kImgScriptInfoIcon, kBtnCommand1}) {
            places.push_back(PlaceInParent(GetDlgItem(window, id)));
        }
        SendMessageA(GetDlgItem(window, kBtnCommand1), BM_CLICK, 0, 0);
    });
    Os().mailerWindows->ShowScriptInfo(kCaption, text);
    ASSERT_TRUE(driver.Found());
    EXPECT_FALSE(driver.LeftOpen()) << "Close ends it";

    EXPECT_EQ(memoText, text);
    EXPECT_EQ(client.right, 618);
    EXPECT_EQ(client.bottom, 297);
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME), 0) << "no title-bar buttons, fixed size";
    EXPECT_TRUE(style & WS_CAPTION);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    EXPECT_EQ(frame.left, std::lround((GetSystemMetrics(SM_CXSCREEN) - width) * 0.33));
    EXPECT_EQ(frame.top, std::lround((GetSystemMetrics(SM_CYSCREEN) - height) * 0.33));
    EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(std::abs(font.lfHeight), 13);
    EXPECT_TRUE(hasIcon);
    EXPECT_EQ(closeText, "Close");

    const RECT expected[] = {
        {8, 8, 8 + 601, 8 + 257}, {8, 264, 8 + 32, 264 + 32}, {560, 272, 560 + 49, 272 + 21}};
    ASSERT_EQ(places.size(), std::size(expected));
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_TRUE(EqualRect(&places[i], &expected[i]))
            << i << ": " << places[i].left << ',' << places[i].top << ' ' << places[i].right << ','
            << places[i].bottom;
    }
}

struct Ending {
    const char* name;
    int control;  // the control that has the key or the click
    std::function<void(HWND control)> act;
};

class ScriptInfoEnding : public OnWin32, public ::testing::WithParamInterface<Ending> {};

TEST_P(ScriptInfoEnding, EndsTheWindow) {
    bool closed = false;
    ModalDriver driver(kCaption, [&](HWND window) {
        GetParam().act(GetDlgItem(window, GetParam().control));
        closed = WaitUntilClosed(window);
    });
    TfrmShowScriptInfo(kCaption, "line 1\r\n").ShowModal(nullptr);
    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(closed);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ScriptInfoEnding,
    ::testing::Values(Ending{"CloseButton", kBtnCommand1,
                             [](HWND b) { SendMessageA(b, BM_CLICK, 0, 0); }},
                      Ending{"EscapeOnClose", kBtnCommand1, [](HWND b) { PostKey(b, VK_ESCAPE); }},
                      Ending{"EnterOnClose", kBtnCommand1, [](HWND b) { PostKey(b, VK_RETURN); }},
                      Ending{"EscapeInTheMemo", kTxtText1, [](HWND m) { PostKey(m, VK_ESCAPE); }},
                      Ending{"EnterInTheMemo", kTxtText1, [](HWND m) { PostKey(m, VK_RETURN); }}),
    [](const auto& info) { return info.param.name; });

// Modal as a dialog is: the owner, or with none the thread's other windows, cannot be used
// while it is open, and can again afterwards.
TEST_F(ScriptInfo, DisablesTheOwnerOrTheThreadsWindowsWhileOpen) {
    for (const bool withOwner : {true, false}) {
        SCOPED_TRACE(withOwner ? "with an owner" : "without");
        TestWindow other(nullptr, 200, 100);
        ShowWindow(other.Get(), SW_SHOW);
        bool enabledWhileOpen = true;
        ModalDriver driver(kCaption, [&](HWND window) {
            enabledWhileOpen = IsWindowEnabled(other.Get());
            SendMessageA(GetDlgItem(window, kBtnCommand1), BM_CLICK, 0, 0);
        });
        TfrmShowScriptInfo(kCaption, "").ShowModal(withOwner ? other.Get() : nullptr);
        ASSERT_TRUE(driver.Found());
        EXPECT_FALSE(enabledWhileOpen);
        EXPECT_TRUE(IsWindowEnabled(other.Get()));
    }
}

}  // namespace
