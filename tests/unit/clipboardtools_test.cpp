#include "shell/ClipboardTools.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/FakeOs.h"

namespace {

using ClipboardToolsTest = FakeOs;

TEST(QuoteText, PrefixesEachLineOfTheTrimmedText) {
    const struct {
        const char* text;
        const char* quoted;
    } cases[] = {
        {"one\r\ntwo", "> one\r\n> two"},
        {"\r\n\r\n  one\r\n\r\ntwo\r\n\r\n\t", "> one\r\n> \r\n> two"},
        {"one\ntwo\rthree", "> one\ntwo\rthree"},
        // "\xFF" is a letter ("y" with a diaeresis) in the Western code page.
        {"caf\xFF\r\nna\xFFve", "> caf\xFF\r\n> na\xFFve"},
        {"> one\r\n> two", "> > one\r\n> > two"},
        {"", "> "},
        {" \r\n ", "> "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuoteText(c.text), c.quoted) << c.text;
    }
}

TEST_F(ClipboardToolsTest, SaveWritesTheTextExactlyIntoTheFileChosen) {
    clipboard.text = "one\r\ntwo";
    popSaveClipboardClick();  // cancelled
    ASSERT_EQ(user.saveDialogs.size(), 1u);
    const SaveDialogOptions& dialog = user.saveDialogs[0];
    EXPECT_EQ(dialog.title, "Save Message");
    EXPECT_EQ(dialog.filter, "Text files (*.txt)|*.txt|Any files|*.*");
    EXPECT_EQ(dialog.defaultExt, "*.txt");
    EXPECT_TRUE(dialog.overwritePrompt && dialog.hideReadOnly && dialog.pathMustExist);
    EXPECT_FALSE(files.Exists("C:\\Mail\\saved.txt"));

    user.savedFileName = "C:\\Mail\\saved.txt";
    popSaveClipboardClick();
    EXPECT_EQ(files.ReadAll("C:\\Mail\\saved.txt"), "one\r\ntwo");

    files.FailOpen("C:\\Mail\\saved.txt", 5);
    popSaveClipboardClick();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text.rfind("Error in WriteFileString:C:\\Mail\\saved.txt.", 0), 0u);
}

}  // namespace
