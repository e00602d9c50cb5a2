// The help opener with Wine's HTML Help viewer and the help file that the build compiles
// beside the program. Wine's viewer has no HTML engine here, so the tests see the viewer's
// window, not the page in it.

#include "win32/HelpFile.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/AppInfo.h"
#include "support/HelpContexts.h"
#include "support/ProgramPaths.h"
#include "win/BuildTree.h"
#include "win/MessageBoxAnswerer.h"
#include "win/TestDir.h"

namespace {

constexpr const char* kViewerClass = "HH Parent";
constexpr const char* kViewerTitle = "Tervane 5 Help";

// The build directory of the program, where the compiled help lies beside it.
std::string BuiltProgramDir() {
    const std::string program = Tervane5Exe();
    return program.substr(0, program.find_last_of('\\') + 1);
}

class HelpViewer : public ::testing::Test {
protected:
    ~HelpViewer() override {
        Paths().dir = savedDir_;
        for (int i = 0; i < 10; ++i) {
            if (HWND viewer = FindWindowA(kViewerClass, nullptr)) {
                SendMessageA(viewer, WM_CLOSE, 0, 0);
            }
        }
    }

private:
    std::string savedDir_ = Paths().dir;
};

// The viewer opens only at a context of the compiled map: a Help button whose number had no
// topic would get the message instead.
TEST_F(HelpViewer, OpensTheCompiledHelpAtAContextOfItsMapAndAtNoOther) {
    const struct {
        int context;
        bool opens;
    } cases[] = {
        {kHelpRoutinePage, true},
        {kHelpForceKeyRead, true},
        {kHelpNoMailersRunning, true},
        {kHelpToolsMenu, true},
        {4005, false},  // one page past the last
    };
    const std::string helpFile = BuiltProgramDir() + kHelpFileName;
    for (const auto& c : cases) {
        const HWND viewer = ShowHelpTopic(nullptr, helpFile, c.context);
        EXPECT_EQ(viewer != nullptr, c.opens) << "context " << c.context;
        if (viewer) {
            EXPECT_EQ(FindWindowA(kViewerClass, kViewerTitle), viewer);
            EXPECT_TRUE(IsWindowVisible(viewer));
            SendMessageA(viewer, WM_CLOSE, 0, 0);
        }
    }
}

// Without the file, the user reads why, and no viewer asks where the file is.
TEST_F(HelpViewer, AMissingHelpFileIsToldInAMessageAndOpensNoViewer) {
    TestDir empty;
    Paths().dir = TestDir::kPath;
    MessageBoxAnswerer answerer;
    OpenHelpTopic(nullptr, kHelpChooseMailer);
    const std::optional<SeenMessageBox> seen = answerer.Seen();
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->caption, kAppTitle);
    EXPECT_EQ(seen->text, std::string("The help file \"") + TestDir::kPath +
                              "Tervane5.chm\" is missing. Install Tervane 5 again to get its "
                              "help back.");
    EXPECT_EQ(FindWindowA(kViewerClass, nullptr), nullptr);
}

}  // namespace
