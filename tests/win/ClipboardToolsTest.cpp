// The clipboard tools of the running program, chosen from its tools icon's menu as a user
// chooses them, with the dialogs they open answered here.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "win/InstalledProgram.h"
#include "win/PostScriptPrinter.h"
#include "win/StandinProgram.h"
#include "win32/Win32Clipboard.h"

namespace {

// The tools menu's items as the Down key reaches them.
enum ToolsItem { kPrint = 1, kQuote = 2, kSave = 3, kExit = 5 };

// The file's content once it is complete by the test's measure; empty when it never is.
std::string CompleteFile(const std::string& path,
                         const std::function<bool(const std::string&)>& complete) {
    std::string content;
    WaitUntil([&] {
        try {
            content = FileContent(path);
            return complete(content);
        } catch (const std::runtime_error&) {
            return false;
        }
    });
    return complete(content) ? content : "";
}

class ClipboardToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = InstalledProgram::Start();
        icons_ = InstalledProgram::WaitForTrayIcons(*program_);
        ASSERT_NE(InstalledProgram::IconTitled(icons_, "Tervane Tools"), nullptr);
    }

    // A right click on the tools icon, then the keys that choose the item.
    void Choose(ToolsItem item) {
        PostMessageA(InstalledProgram::IconTitled(icons_, "Tervane Tools"), WM_USER, 0,
                     WM_RBUTTONUP);
        HWND menu = nullptr;
        ASSERT_TRUE(WaitUntil([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr; }));
        for (int i = 0; i < item; ++i) {
            PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        }
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    }

    InstalledProgram install_;
    Win32Clipboard clipboard_;
    std::unique_ptr<StandinProgram> program_;
    std::vector<HWND> icons_;
};

TEST_F(ClipboardToolsTest, QuotePrefixesTheClipboardsLines) {
    clipboard_.SetText("\r\nDear Bob,\r\n\r\nna\xFFve and caf\xE9\nsee you\r\n\r\n");
    Choose(kQuote);
    const std::string quoted = "> Dear Bob,\r\n> \r\n> na\xFFve and caf\xE9\nsee you";
    EXPECT_TRUE(WaitUntil([&] { return clipboard_.Text() == quoted; })) << clipboard_.Text();
}

// A name typed without an extension gets ".txt".
TEST_F(ClipboardToolsTest, SaveWritesTheClipboardsTextIntoTheFileNamedInTheDialog) {
    const std::string text = "Dear Bob,\r\nsee you on Thursday.";
    clipboard_.SetText(text);
    Choose(kSave);
    ASSERT_TRUE(AnswerFileDialog("Save Message", InstalledProgram::File("Thursday")));
    EXPECT_EQ(CompleteFile(InstalledProgram::File("Thursday.txt"),
                           [&](const std::string& content) { return content == text; }),
              text);
}

TEST_F(ClipboardToolsTest, PrintPrintsTheClipboardsLinesOnAsManyPagesAsTheyNeed) {
    PostScriptPrinter printer;
    std::string text;
    std::vector<std::string> lines;
    for (int i = 1; i <= 120; ++i) {
        lines.push_back("Line " + std::to_string(i) + " of the message");
        text += lines.back() + "\r\n";
    }
    clipboard_.SetText(text);
    Choose(kPrint);
    const std::string output = InstalledProgram::File("printed.ps");
    ASSERT_TRUE(AnswerFileDialog("Print to File", output));
    const auto pages = PrintedPages(CompleteFile(
        output, [](const std::string& content) { return content.ends_with("%%EOF\n"); }));
    ASSERT_EQ(pages.size(), 3u);
    std::vector<std::string> printed;
    for (const auto& page : pages) {
        printed.insert(printed.end(), page.begin(), page.end());
    }
    EXPECT_EQ(printed, lines);
}

TEST_F(ClipboardToolsTest, ExitEndsTheProgram) {
    Choose(kExit);
    EXPECT_EQ(program_->WaitForExit(15000), std::optional<DWORD>(0));
}

}  // namespace
