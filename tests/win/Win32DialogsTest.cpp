#include "win32/Win32Dialogs.h"

#include <gtest/gtest.h>

#include "win/MessageBoxAnswerer.h"

namespace {

struct KindCase {
    const char* name;
    MsgDlgType kind;
    const char* caption;
    LPCSTR icon;  // the system icon shown, or null for none
};

class Win32DialogsTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(Win32DialogsTest, ShowsTheTextWithTheKindsCaptionAndIcon) {
    const KindCase& c = GetParam();
    MessageBoxAnswerer answerer;
    Win32Dialogs().MessageDlg("Something to say", c.kind, {MsgDlgBtn::OK}, 0);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no message box was shown";
    EXPECT_EQ(seen->caption, c.caption);
    EXPECT_EQ(seen->text, "Something to say");
    EXPECT_EQ(seen->icon, c.icon ? LoadIconA(nullptr, c.icon) : nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Win32DialogsTest,
    ::testing::Values(KindCase{"Warning", MsgDlgType::Warning, "Warning", IDI_EXCLAMATION},
                      KindCase{"Error", MsgDlgType::Error, "Error", IDI_HAND},
                      KindCase{"Information", MsgDlgType::Information, "Information", IDI_ASTERISK},
                      KindCase{"Confirmation", MsgDlgType::Confirmation, "Confirm", IDI_QUESTION},
                      KindCase{"Custom", MsgDlgType::Custom, "", nullptr}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

}  // namespace
