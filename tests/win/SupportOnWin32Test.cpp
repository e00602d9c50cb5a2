// The support routines with the Win32 platform installed, on real files and windows.

#include <gtest/gtest.h>
#include <windows.h>

#include <regex>

#include "platform/Clock.h"
#include "platform/Platform.h"
#include "support/ProgramPaths.h"
#include "support/deblog.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/placefrm.h"
#include "support/sysinfo.h"
#include "win/MessageBoxAnswerer.h"
#include "win/OnWin32.h"
#include "win/TestDir.h"
#include "win/TestWindow.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32Platform.h"
#include "win32/WindowHandle.h"

namespace {

class SupportOnWin32 : public OnWin32 {
protected:
    static std::string Log() { return FileContent(DebugLogPath()); }
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A target that cannot be written: a read-only file, or a directory.
struct UnwritableCase {
    const char* name;
    bool directory;
};

class WriteFileStringDenied : public SupportOnWin32,
                              public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(WriteFileStringDenied, ShowsAWarningAndLogsIt) {
    std::string target = "C:\\Tervane Test\\Sub Dir";
    if (!GetParam().directory) {
        target = TestDir::File("read only.txt");
        MakeReadOnlyFile(target, "kept");
        if (ReadOnlyFilesAreWritable(target)) {
            GTEST_SKIP() << "this user may write read-only files (Wine run by root)";
        }
    }
    Checkpoint() = 4321;
    const std::string expected =
        "Error in WriteFileString:" + target + ".4321 with File access denied";

    MessageBoxAnswerer answerer;
    WriteFileString(target, "new text");
    const std::optional<SeenMessageBox> seen = answerer.Seen();

    ASSERT_TRUE(seen.has_value()) << "no warning was shown";
    EXPECT_EQ(seen->caption, "Warning");
    EXPECT_EQ(seen->text, expected);
    EXPECT_TRUE(EndsWith(Log(), ": " + expected + "\r\n")) << Log();
    if (!GetParam().directory) {
        EXPECT_EQ(FileContent(target), "kept");
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, WriteFileStringDenied,
                         ::testing::Values(UnwritableCase{"ReadOnlyFile", false},
                                           UnwritableCase{"Directory", true}),
                         [](const ::testing::TestParamInfo<UnwritableCase>& info) {
                             return std::string(info.param.name);
                         });

// The stamp is taken once per entry; a second may pass between the test's readings, so
// the entry must carry one of the two.
TEST_F(SupportOnWin32, DebugLogEntriesStartWithTheLocalesDateAndTime) {
    IClock& clock = *Os().clock;
    const LocalTime before = clock.Now();
    WriteDebugLog("MainPGP-T");
    const LocalTime after = clock.Now();
    const auto entry = [&](const LocalTime& t) {
        return clock.ShortDateText(t) + " " + clock.LongTimeText(t) + ": MainPGP-T\r\n";
    };
    const std::string log = Log();
    EXPECT_TRUE(log == entry(before) || log == entry(after)) << log;
    EXPECT_FALSE(clock.ShortDateText(before).empty());
    EXPECT_TRUE(std::regex_search(clock.LongTimeText(before), std::regex(R"(\d:\d\d:\d\d)")))
        << clock.LongTimeText(before);
}

// A log viewer (or a second copy of the program) has the log open; an indexer has a file
// open for reading. Neither may cost a log line, nor make a file unreadable.
TEST_F(SupportOnWin32, OtherOpenersThatShareDoNotStopTheLogOrAReader) {
    WriteDebugLog("first");
    const UniqueHandle viewer(CreateFileA(DebugLogPath().c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(viewer.Valid());
    WriteDebugLog("second");
    EXPECT_NE(Log().find(": second\r\n"), std::string::npos) << Log();

    const std::string scanned = TestDir::File("scanned.txt");
    PutFile(scanned, "text");
    const UniqueHandle scanner(CreateFileA(scanned.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(scanner.Valid());
    EXPECT_EQ(ReadFileString(scanned), "text");
}

TEST_F(SupportOnWin32, WindowsVersionTextCarriesTheSystemsNumbers) {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
    const std::string text = WindowsVersionText();
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(text, parts, std::regex(R"((\d+)\.(\d+)\.(\d+) WinNT(.*))")))
        << text;
    EXPECT_EQ(parts[1], std::to_string(info.dwMajorVersion));
    EXPECT_EQ(parts[2], std::to_string(info.dwMinorVersion));
    EXPECT_EQ(parts[3], std::to_string(info.dwBuildNumber & 0xFFFF));
    EXPECT_EQ(parts[4], info.szCSDVersion);
}

TEST_F(SupportOnWin32, WipeFileRemovesARealFile) {
    const std::string path = TestDir::File("tmpmfd.tmp");
    PutFile(path, "secret text of the message");
    WipeFile(path);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SupportOnWin32, IsWindowMinimisedFollowsTheAncestors) {
    TestWindow top(nullptr, 300, 200);
    TestWindow child(top.Get(), 200, 100);
    TestWindow grandchild(child.Get(), 50, 20);
    const WindowId window = ToWindowId(grandchild.Get());
    ASSERT_NE(window, WindowId{0});

    ShowWindow(top.Get(), SW_SHOWNOACTIVATE);
    EXPECT_FALSE(IsWindowMinimised(window));
    ShowWindow(top.Get(), SW_MINIMIZE);
    EXPECT_TRUE(IsWindowMinimised(window));
    ShowWindow(top.Get(), SW_RESTORE);
    EXPECT_FALSE(IsWindowMinimised(window));
}

TEST_F(SupportOnWin32, PlaceFormAtHalvesCentresTheWindow) {
    TestWindow form(nullptr, 301, 201);
    PlaceForm(ToWindowId(form.Get()), 0.5, 0.5);
    RECT r{};
    ASSERT_TRUE(GetWindowRect(form.Get(), &r));
    const int freeWidth = GetSystemMetrics(SM_CXSCREEN) - 301;
    const int freeHeight = GetSystemMetrics(SM_CYSCREEN) - 201;
    // Half of an odd free space is rounded: the window may stand half a pixel off centre.
    EXPECT_LE(std::abs(2 * r.left - freeWidth), 1) << r.left;
    EXPECT_LE(std::abs(2 * r.top - freeHeight), 1) << r.top;
    EXPECT_EQ(r.right - r.left, 301);
    EXPECT_EQ(r.bottom - r.top, 201);
}

}  // namespace
