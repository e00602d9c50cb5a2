#include "app/Startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/ProgramPaths.h"
#include "support/error.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

TEST(InstanceNameTest, TheMutexNameIgnoresTheLetterCaseOfTheProgramFile) {
    EXPECT_EQ(InstanceMutexName("Tervane5.EXE"), InstanceMutexName("tervane5.exe"));
    EXPECT_EQ(InstanceMutexName("Tervane5.EXE"), "tervane5.exe");
}

TEST(InstanceNameTest, OnlyAnUpperCaseExeEndingNamesTheInstance) {
    EXPECT_EQ(InstanceName("Tervane5.EXE"), "Tervane5");
    EXPECT_EQ(InstanceName("Tervane5.exe"), "");
    EXPECT_EQ(InstanceName("tervane5"), "");
}

// The main window's side of creation, as a list of what was asked of it.
class RecordingWindow : public IMainWindowSteps {
public:
    void HideFromTaskbar() override { calls.push_back("HideFromTaskbar"); }
    void Hide() override { calls.push_back("Hide"); }
    void ShowPGPToolsButton(bool show) override {
        calls.push_back(show ? "PGPTools shown" : "PGPTools hidden");
    }
    void Refresh() override {
        calls.push_back("Refresh");
        checkpointAtRefresh = Checkpoint();
    }
    void ActivateTrayIcons() override { calls.push_back("ActivateTrayIcons"); }

    std::vector<std::string> calls;
    int checkpointAtRefresh = 0;
};

constexpr const char* kDrivers = "C:\\Drivers";

class StartupTest : public FakeOs {
protected:
    StartupTest() {
        profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", kDrivers);
        files.Put(std::string(kDrivers) + "\\SELECTG.DAT", "Demo!!demo.exe\r\n");
        files.Put(std::string(kDrivers) + "\\demo.exe", "");
        // The program's own path is not among its arguments.
        system.args = {"/s"};
    }

    RecordingWindow window;
};

TEST_F(StartupTest, PathsComeFromTheProgramFileAndAStaleInstallerFlagIsRemoved) {
    system.shortPaths["C:\\Program Files\\Tervane 5\\"] = "C:\\PROGRA~1\\TERVAN~1\\";
    files.Put("C:\\Program Files\\Tervane 5\\Installer.Flg", "");
    Paths() = ProgramPaths{};
    PrepareProgramPaths("C:\\Program Files\\Tervane 5\\Tervane5.EXE");
    EXPECT_EQ(Paths().dir, "C:\\Program Files\\Tervane 5\\");
    EXPECT_EQ(Paths().shortDir, "C:\\PROGRA~1\\TERVAN~1\\");
    EXPECT_FALSE(files.Exists("C:\\Program Files\\Tervane 5\\Installer.Flg"));
    // Without a short form the folder stands as it is, never empty.
    PrepareProgramPaths("D:\\Tervane 5\\Tervane5.EXE");
    EXPECT_EQ(Paths().shortDir, "D:\\Tervane 5\\");
}

// Drivers get the path without quotes, so it is never empty or relative: without a folder
// of the user's own it is the program's folder. A file that a run left behind is wiped,
// at start-up and at the end, not merely deleted.
TEST_F(StartupTest, TheExchangeFileLiesInAFolderOfTheUsersOwnAndNoLeftoverSurvives) {
    const std::string local = "C:\\Users\\Jo Smith\\AppData\\Local";
    const std::string own = local + "\\Tervane 5";
    system.shortPaths[own] = "C:\\Users\\JOSMIT~1\\AppData\\Local\\TERVAN~1";
    const struct {
        const char* name;
        std::string localAppData;
        bool refused;
        std::string expected;
    } cases[] = {
        {"short form", local, false, "C:\\Users\\JOSMIT~1\\AppData\\Local\\TERVAN~1\\tmpmfd.tmp"},
        {"no folder given", "", false, "C:\\Program Files\\Tervane 5\\tmpmfd.tmp"},
        {"relative folder", "AppData\\Local", false, "C:\\Program Files\\Tervane 5\\tmpmfd.tmp"},
        {"folder refused", local, true, "C:\\Program Files\\Tervane 5\\tmpmfd.tmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        system.localAppData = c.localAppData;
        if (c.refused) {
            files.RefuseFolder(own);
        }
        files.Put(c.expected, "a message left by a run that never ended");
        files.overwrites.clear();
        FormCreate(window);
        EXPECT_EQ(Paths().exchangeFile, c.expected);
        EXPECT_FALSE(files.Exists(c.expected));
        EXPECT_FALSE(files.overwrites.empty());
        EXPECT_EQ(files.FolderExists(own), !c.refused);
    }
    files.Put(Paths().exchangeFile, "a message left by a driver that hung");
    WipeExchangeFile();
    EXPECT_FALSE(files.Exists(Paths().exchangeFile));
}

TEST_F(StartupTest, TheAllowFlagLetsOneDuplicateStartThrough) {
    const std::string flag = std::string(kDir) + "AllowDuplicateInstance.Flg";
    EXPECT_FALSE(MustStepAside(false));
    EXPECT_TRUE(MustStepAside(true));
    files.Put(flag, "");
    EXPECT_FALSE(MustStepAside(true));
    EXPECT_FALSE(files.Exists(flag));
    EXPECT_TRUE(MustStepAside(true));
}

TEST_F(StartupTest, CreationRunsItsStepsInOrderAndEndsHiddenWithTheIcons) {
    Shell().trayRunning = true;
    Shell().tickCount = 99;
    Mailers().chosenRow = 4;
    Core().PGPBusyHwnd = 7;
    FormCreate(window);
    EXPECT_THAT(window.calls, ElementsAre("HideFromTaskbar", "Hide", "PGPTools hidden", "Refresh",
                                          "Hide", "ActivateTrayIcons"));
    EXPECT_FALSE(Shell().trayRunning);
    EXPECT_EQ(Shell().tickCount, 0);
    EXPECT_EQ(Mailers().chosenRow, 0);
    EXPECT_EQ(Core().PGPBusyHwnd, 0u);
    EXPECT_EQ(Paths().exchangeFile, "C:\\Users\\Jo Smith\\AppData\\Local\\Tervane 5\\tmpmfd.tmp");
    EXPECT_EQ(Mailers().library.size(), 1u);
    EXPECT_EQ(Checkpoint(), 4409);
    EXPECT_THAT(user.shown, IsEmpty());
    const std::string log = Log();
    const std::size_t command = log.find("Cmd: </s>");
    const std::size_t trimmed = log.find("Log trimmed");
    const std::size_t about = log.find("Mail Form Drivers in: C:\\Drivers");
    EXPECT_NE(command, std::string::npos);
    EXPECT_LT(command, trimmed);
    EXPECT_LT(trimmed, about);
    EXPECT_NE(about, std::string::npos);
}

TEST_F(StartupTest, ASilentStartShowsNoTipAndAnOrdinaryOneDoes) {
    FormCreate(window);
    EXPECT_TRUE(Shell().silentStart);
    EXPECT_EQ(tipWindow.openings, 0);

    system.args = {};
    FormCreate(window);
    EXPECT_FALSE(Shell().silentStart);
    EXPECT_EQ(tipWindow.openings, 1);
    // The tip state was stored as the "&Enable" box was checked.
    EXPECT_EQ(profiles.ReadPrivate("Tervane5.INI", "General", "TipEnabled", ""), "1");
}

// The "&Enable" box's click stores the tip settings before its milestones, which are passed
// with tips off as well.
TEST_F(StartupTest, TheTipMilestonesComeAfterTheTipSettingsAreStored) {
    for (const char* enabled : {"1", "0"}) {
        profiles.Put("Tervane5.INI", "General", "TipEnabled", enabled);
        profiles.calls.clear();
        FormCreate(window);
        EXPECT_EQ(window.checkpointAtRefresh, 4403) << enabled;
        const bool stored =
            std::find(profiles.calls.begin(), profiles.calls.end(),
                      "4401 write Tervane5.INI [General] TipEnabled=1") != profiles.calls.end();
        EXPECT_EQ(stored, std::string(enabled) == "1") << enabled;
    }
}

TEST_F(StartupTest, AMissingLibraryIsReportedAndStartUpStillEndsWithTheIcons) {
    files.Remove(std::string(kDrivers) + "\\SELECTG.DAT");
    Mailers().active = {"Old" + std::string(200, ' ') + "old.exe"};
    FormCreate(window);
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_THAT(user.shown[0].text, HasSubstr("Error in TfrmProps."));
    EXPECT_THAT(user.shown[0].text, HasSubstr("with UH "));
    EXPECT_THAT(window.calls, ElementsAre("HideFromTaskbar", "Hide", "PGPTools hidden", "Refresh",
                                          "Hide", "ActivateTrayIcons"));
    EXPECT_THAT(Mailers().activeDrivers, IsEmpty());
    EXPECT_EQ(Checkpoint(), 4409);
}

TEST_F(StartupTest, PGPToolsIsShownWhenPGPsDirectoryHoldsIt) {
    Core().PGPMainProgramPath.clear();
    profiles.Put("Tervane5.INI", "PGP", "Mainexe", "C:\\PGP\\PGPtray.exe");
    files.Put("C:\\PGP\\PGPTools.Exe", "");
    FormCreate(window);
    EXPECT_THAT(window.calls, ::testing::Contains("PGPTools shown"));
}

}  // namespace
