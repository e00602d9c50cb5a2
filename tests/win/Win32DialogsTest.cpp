#include "win32/Win32Dialogs.h"

#include <gtest/gtest.h>

#include <vector>

#include "win/MessageBoxAnswerer.h"

namespace {

struct KindCase {
    const char* name;
    MsgDlgType kind;
    const char* dialogCaption;
    LPCSTR icon;  // the system icon shown, or null for none
};

const KindCase kKinds[] = {
    {"Warning", MsgDlgType::Warning, "Warning", IDI_EXCLAMATION},
    {"Error", MsgDlgType::Error, "Error", IDI_HAND},
    {"Information", MsgDlgType::Information, "Information", IDI_ASTERISK},
    {"Confirmation", MsgDlgType::Confirmation, "Confirm", IDI_QUESTION},
    {"Custom", MsgDlgType::Custom, "Tervane 5", nullptr},
};

HICON SystemIcon(LPCSTR icon) {
    return icon ? LoadIconA(nullptr, icon) : nullptr;
}

std::string KindName(const ::testing::TestParamInfo<KindCase>& info) {
    return info.param.name;
}

class MessageDlgKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(MessageDlgKinds, ShowsTheTextWithTheKindsCaptionAndIcon) {
    const KindCase& c = GetParam();
    MessageBoxAnswerer answerer;
    const int answer = Win32Dialogs().MessageDlg("Something to say", c.kind, {MsgDlgBtn::OK}, 0);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message dialog was shown";
    EXPECT_EQ(seen->caption, c.dialogCaption);
    EXPECT_EQ(seen->text, "Something to say");
    EXPECT_EQ(seen->icon, SystemIcon(c.icon));
    EXPECT_EQ(answer, mrOk);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageDlgKinds, ::testing::ValuesIn(kKinds), KindName);

class AppMessageBoxKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(AppMessageBoxKinds, AlwaysCarriesTheApplicationTitleAndTheKindsIcon) {
    const KindCase& c = GetParam();
    MessageBoxAnswerer answerer;
    const int answer = Win32Dialogs().AppMessageBox("PGPTray is already running", c.kind, kMbOk);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message box was shown";
    EXPECT_EQ(seen->caption, "Tervane 5");
    EXPECT_EQ(seen->text, "PGPTray is already running");
    EXPECT_EQ(seen->icon, SystemIcon(c.icon));
    EXPECT_EQ(answer, IDOK);
}

INSTANTIATE_TEST_SUITE_P(Kinds, AppMessageBoxKinds, ::testing::ValuesIn(kKinds), KindName);

TEST(AppMessageBox, ReturnsThePlatformsAnswerToAQuestion) {
    MessageBoxAnswerer answerer({IDNO});
    const int answer =
        Win32Dialogs().AppMessageBox("Remove it?", MsgDlgType::Confirmation, kMbYesNo);
    ASSERT_TRUE(answerer.Seen().has_value());
    EXPECT_EQ(answer, IDNO);
}

struct ButtonSetCase {
    const char* name;
    MsgDlgButtons set;
    std::vector<int> ids;  // left to right
    std::vector<std::string> captions;
};

const ButtonSetCase kButtonSets[] = {
    {"CancelIgnore",
     {MsgDlgBtn::Ignore, MsgDlgBtn::Cancel},
     {IDCANCEL, IDIGNORE},
     {"Cancel", "&Ignore"}},
    {"AbortAlone", {MsgDlgBtn::Abort}, {IDABORT}, {"&Abort"}},
    {"YesNoHelp",
     {MsgDlgBtn::Help, MsgDlgBtn::No, MsgDlgBtn::Yes},
     {IDYES, IDNO, IDHELP},
     {"&Yes", "&No", "&Help"}},
    {"AbortRetryHelp",
     {MsgDlgBtn::Abort, MsgDlgBtn::Retry, MsgDlgBtn::Help},
     {IDABORT, IDRETRY, IDHELP},
     {"&Abort", "&Retry", "&Help"}},
    {"ToAll",
     {MsgDlgBtn::YesToAll, MsgDlgBtn::NoToAll, MsgDlgBtn::All, MsgDlgBtn::OK},
     {IDOK, mrAll, mrNoToAll, mrYesToAll},
     {"OK", "&All", "N&o to All", "Y&es to All"}},
};

class MessageDlgButtonSets : public ::testing::TestWithParam<ButtonSetCase> {};

TEST_P(MessageDlgButtonSets, StandInTheirOrderWithTheirCaptionsTheFirstAsDefault) {
    const ButtonSetCase& c = GetParam();
    MessageBoxAnswerer answerer(std::vector<int>{c.ids.front()});
    Win32Dialogs().MessageDlg("Choose", MsgDlgType::Warning, c.set, 0);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message dialog was shown";
    std::vector<int> ids;
    std::vector<std::string> captions;
    for (const SeenButton& b : seen->buttons) {
        ids.push_back(b.id);
        captions.push_back(b.caption);
        EXPECT_EQ(b.isDefault, b.id == c.ids.front()) << b.caption;
        EXPECT_GE(b.rect.top, seen->textRect.bottom) << "buttons stand below the text";
    }
    EXPECT_EQ(ids, c.ids);
    EXPECT_EQ(captions, c.captions);
}

INSTANTIATE_TEST_SUITE_P(Sets, MessageDlgButtonSets, ::testing::ValuesIn(kButtonSets),
                         [](const ::testing::TestParamInfo<ButtonSetCase>& info) {
                             return std::string(info.param.name);
                         });

// A press (a button's id, or Escape) and the answer that the dialog returns for it.
struct PressCase {
    const char* name;
    MsgDlgButtons set;
    std::vector<int> presses;
    int answer;
};

const PressCase kPresses[] = {
    {"Cancel", {MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}, {IDCANCEL}, mrCancel},
    {"Ignore", {MsgDlgBtn::Cancel, MsgDlgBtn::Ignore}, {IDIGNORE}, mrIgnore},
    {"AbortAlone", {MsgDlgBtn::Abort}, {IDABORT}, mrAbort},
    {"Retry", {MsgDlgBtn::Abort, MsgDlgBtn::Retry}, {IDRETRY}, mrRetry},
    {"Yes", {MsgDlgBtn::Yes, MsgDlgBtn::No}, {IDYES}, mrYes},
    {"No", {MsgDlgBtn::Yes, MsgDlgBtn::No}, {IDNO}, mrNo},
    {"All", {MsgDlgBtn::All, MsgDlgBtn::YesToAll}, {mrAll}, mrAll},
    {"NoToAll", {MsgDlgBtn::NoToAll}, {mrNoToAll}, mrNoToAll},
    {"YesToAll", {MsgDlgBtn::All, MsgDlgBtn::YesToAll}, {mrYesToAll}, mrYesToAll},
    {"EscapeIsCancel",
     {MsgDlgBtn::Yes, MsgDlgBtn::No, MsgDlgBtn::Cancel},
     {MessageBoxAnswerer::kEscape},
     mrCancel},
    {"EscapeIsNoWithoutCancel",
     {MsgDlgBtn::Yes, MsgDlgBtn::No},
     {MessageBoxAnswerer::kEscape},
     mrNo},
    {"EscapeIsOkWithoutNo", {MsgDlgBtn::OK, MsgDlgBtn::Retry}, {MessageBoxAnswerer::kEscape}, mrOk},
    // With nothing that answers Escape, it leaves the dialog open.
    {"EscapeIsNothingForAbortAlone",
     {MsgDlgBtn::Abort},
     {MessageBoxAnswerer::kEscape, IDABORT},
     mrAbort},
};

class MessageDlgPresses : public ::testing::TestWithParam<PressCase> {};

TEST_P(MessageDlgPresses, ReturnTheAnswerOfTheButton) {
    const PressCase& c = GetParam();
    MessageBoxAnswerer answerer(c.presses);
    const int answer = Win32Dialogs().MessageDlg("Choose", MsgDlgType::Confirmation, c.set, 0);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message dialog was shown";
    EXPECT_FALSE(seen->missingButton);
    EXPECT_EQ(answer, c.answer);
    ASSERT_EQ(seen->shownAfterPress.size(), c.presses.size());
    for (std::size_t i = 0; i + 1 < c.presses.size(); ++i) {
        EXPECT_TRUE(seen->shownAfterPress[i]) << "closed by press " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Presses, MessageDlgPresses, ::testing::ValuesIn(kPresses),
                         [](const ::testing::TestParamInfo<PressCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
