// The conversation with PGP's tray program through the Win32 platform, against the tray
// stand-in.

#include <gtest/gtest.h>

#include <regex>

#include "core/CoreState.h"
#include "core/PGPBlocks.h"
#include "core/PGPInvoke.h"
#include "platform/Platform.h"
#include "support/error.h"
#include "win/MessageBoxAnswerer.h"
#include "win/OnWin32.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win32/Win32Application.h"
#include "win32/Win32Clipboard.h"

namespace {

const char* const kPlainText = "Dear Bob,\r\nthe plans are ready.\r\n";

class PGPInvokeOnWin32 : public OnWin32 {
protected:
    PGPInvokeOnWin32() {
        // An application of the test's own: a fatal report's request to end stays with it.
        Os().application = &application;
        Checkpoint() = 5544;
    }
    ~PGPInvokeOnWin32() override {
        MSG quit;
        PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    }

    Win32Application application;
    Win32Clipboard clipboard;
};

HWND FindTray() {
    return FindWindowA(kPGPtrayClass, nullptr);
}

// Ends the tray program that a test has had started, when it goes out of scope.
class StartedTray {
public:
    StartedTray() = default;
    ~StartedTray() {
        DWORD processId = 0;
        GetWindowThreadProcessId(FindTray(), &processId);
        if (const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 10000);
            CloseHandle(process);
        }
    }
    StartedTray(const StartedTray&) = delete;
    StartedTray& operator=(const StartedTray&) = delete;
};

TEST_F(PGPInvokeOnWin32, ARunningTrayProgramGetsTheCommandAndNothingIsStarted) {
    PGPTrayStandin tray;
    Core().PGPMainProgramPath = "C:\\NoSuchDir\\PGPtray.exe";  // a start would fail
    clipboard.SetText(kPlainText);

    EXPECT_TRUE(InvokePGP("-AutoEncrypt"));

    EXPECT_TRUE(ClassifyPGP(clipboard.Text()).HasMessage) << clipboard.Text();
    EXPECT_EQ(tray.CommandLines(), (std::vector<std::string>{"40017 -AutoEncrypt"}));
    EXPECT_EQ(Core().PGPBusyHwnd, WindowId{0});
    EXPECT_FALSE(application.Terminating());
}

// The program lies in a directory with blanks in its name, as "C:\Program Files\..." does.
TEST_F(PGPInvokeOnWin32, AnAbsentTrayProgramIsStartedFromItsPathAndThenGetsTheCommand) {
    ASSERT_EQ(FindTray(), nullptr) << "a tray program is still running";
    Core().PGPMainProgramPath = TestDir::File("PGPTray.Exe");
    ASSERT_TRUE(CopyFileA(StandinPath("PGP\\PGPTray.Exe").c_str(),
                          Core().PGPMainProgramPath.c_str(), FALSE));
    clipboard.SetText(kPlainText);
    const StartedTray started;

    EXPECT_TRUE(InvokePGP("-AutoSign"));

    EXPECT_NE(FindTray(), nullptr);
    EXPECT_TRUE(ClassifyPGP(clipboard.Text()).HasSigned) << clipboard.Text();
    EXPECT_FALSE(application.Terminating());
}

struct BadPath {
    const char* name;
    std::string path;
};

class PGPInvokeStartFails : public PGPInvokeOnWin32,
                            public ::testing::WithParamInterface<BadPath> {};

TEST_P(PGPInvokeStartFails, IsReportedAsFatalWithTheStartResultAndThePath) {
    ASSERT_EQ(FindTray(), nullptr) << "a tray program is still running";
    Core().PGPMainProgramPath = GetParam().path;
    MessageBoxAnswerer answerer;

    EXPECT_FALSE(InvokePGP("-AutoEncrypt"));

    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value()) << "no report was shown";
    EXPECT_EQ(seen->caption, "Error");
    const std::regex report("Error in Winexec returned (\\d+)\\.5544 with (.*)");
    std::smatch m;
    ASSERT_TRUE(std::regex_match(seen->text, m, report)) << seen->text;
    EXPECT_LT(std::stoi(m[1]), 32);
    EXPECT_EQ(m[2], GetParam().path);
    EXPECT_TRUE(application.Terminating());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, PGPInvokeStartFails,
    ::testing::Values(BadPath{"Empty", ""}, BadPath{"Missing", "C:\\NoSuchDir\\PGPtray.exe"},
                      BadPath{"MissingWithBlanks", TestDir::File("no such PGPtray.exe")}),
    [](const ::testing::TestParamInfo<BadPath>& info) { return std::string(info.param.name); });

}  // namespace
