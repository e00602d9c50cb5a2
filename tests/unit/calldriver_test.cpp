#include "mailers/CallDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "mailers/MailerDetails.h"
#include "platform/Processes.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

constexpr const char* kDrivers = "C:\\Mail Drivers";

class CallDriverTest : public FakeOs {
protected:
    CallDriverTest() {
        Mailers().directory = kDrivers;
        system.shortPaths[kDrivers] = "C:\\MAILDR~1";
        ui.onProcessMessages = [this] { events.push_back("messages"); };
        processes.onRun = [this](const std::string& command) { events.push_back(command); };
    }

    void Script(const std::string& file, const std::string& type) {
        profiles.Put(std::string(kDrivers) + "\\" + file, "MFS", "Type", type);
    }

    std::vector<std::string> Commands() const {
        std::vector<std::string> lines;
        for (const FakeProcesses::Run& run : processes.runs) {
            lines.push_back(run.commandLine);
        }
        return lines;
    }

    std::vector<std::string> events;
};

struct CommandCase {
    const char* driver;
    const char* type;  // the script's [MFS] Type
    const char* request;
    const char* commandLine;  // empty: no process started
};

TEST_F(CallDriverTest, EachKindOfDriverRunsItsOwnCommandLine) {
    const CommandCase cases[] = {
        {"MAILX.EXE", "", "read File=C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp",
         "C:\\MAILDR~1\\MAILX.EXE read File=C:\\PROGRA~1\\TERVAN~1\\tmpmfd.tmp"},
        {"MAILX.EXE", "", "", "C:\\MAILDR~1\\MAILX.EXE "},
        {"demo.mfs", "Script", "Data File=X",
         "C:\\PROGRA~1\\TERVAN~1\\ORV.EXE demo.mfs Data File=X"},
        {"MAILX.MFS", "", "Write File=X", "C:\\PROGRA~1\\TERVAN~1\\ORV.EXE MAILX.MFS Write File=X"},
        {"lower.mfs", "internal", "read File=X",
         "C:\\PROGRA~1\\TERVAN~1\\ORV.EXE lower.mfs read File=X"},
        {"inside.mfs", "Internal", "", "C:\\PROGRA~1\\TERVAN~1\\ORV.EXE inside.mfs "},
        {"inside.mfs", "Internal", "read File=X", ""},
    };
    for (const CommandCase& c : cases) {
        processes.runs.clear();
        Script(c.driver, c.type);
        Mailers().currentDriver = c.driver;
        CallDriver(c.request);
        const std::string expected = c.commandLine;
        if (expected.empty()) {
            EXPECT_THAT(Commands(), IsEmpty()) << c.driver;
        } else {
            EXPECT_THAT(Commands(), ElementsAre(expected)) << c.driver << " " << c.type;
            EXPECT_EQ(processes.runs[0].showState, kSwShowNormal);
            EXPECT_EQ(processes.runs[0].creationFlags, kNormalPriorityClass);
        }
    }
}

TEST_F(CallDriverTest, PendingMessagesAreProcessedBeforeAndAfterTheDriverRuns) {
    Mailers().currentDriver = "MAILX.EXE";
    CallDriver("Data File=X");
    EXPECT_THAT(events, ElementsAre("messages", "C:\\MAILDR~1\\MAILX.EXE Data File=X", "messages"));
}

TEST_F(CallDriverTest, AnInternalScriptIsServedInside) {
    Script("inside.mfs", "Internal");
    Mailers().currentDriver = "inside.mfs";
    CallDriver("Data File=X");
    EXPECT_THAT(Commands(), IsEmpty());
    // The internal driver reads its request in lower case.
    EXPECT_THAT(files.Content("x"), HasSubstr("Short: >None<"));
}

TEST(DriverCommandTest, DirectoriesWithoutAShortFormAreUsedAsTheyStand) {
    // An empty drivers directory addresses the root of the current drive.
    EXPECT_EQ(ProgramDriverCommand("", "MAILX.EXE", ""), "\\MAILX.EXE ");
    EXPECT_EQ(ScriptDriverCommand("C:\\T5\\", "a.mfs", "read File=C:\\T5\\tmpmfd.tmp"),
              "C:\\T5\\ORV.EXE a.mfs read File=C:\\T5\\tmpmfd.tmp");
}

// Where the volume keeps no short names the program part is quoted, so that it is not split
// at its first blank; the request reaches the driver exactly as before.
TEST_F(CallDriverTest, ProgramPartsWithBlanksAreQuotedAndRequestsKeptAsTheyAre) {
    const std::string request = "read File=C:\\USERS\\JO~1\\tmpmfd.tmp";
    EXPECT_EQ(ProgramDriverCommand(kDrivers, "MAILX.EXE", request),
              "C:\\MAILDR~1\\MAILX.EXE " + request);
    EXPECT_EQ(ProgramDriverCommand(kDrivers, "My Mail.exe", request),
              "\"C:\\MAILDR~1\\My Mail.exe\" " + request);
    EXPECT_EQ(ProgramDriverCommand("D:\\No Short", "MAILX.EXE", request),
              "\"D:\\No Short\\MAILX.EXE\" " + request);
    EXPECT_EQ(ScriptDriverCommand("D:\\Tervane 5\\", "a.mfs", request),
              "\"D:\\Tervane 5\\ORV.EXE\" a.mfs " + request);
}

class MailerDetailsTest : public CallDriverTest {};

TEST_F(MailerDetailsTest, OnlyAnUpperCaseExeRunsTheProgramDriver) {
    ShowMailerDetails("NOTES.EXE");
    EXPECT_THAT(Commands(), ElementsAre("C:\\MAILDR~1\\NOTES.EXE "));
    EXPECT_EQ(Mailers().currentDriver, "NOTES.EXE");
    EXPECT_THAT(mailerWindows.scriptInfos, IsEmpty());

    ShowMailerDetails("notes.exe");
    EXPECT_EQ(processes.runs.size(), 1u);
    ASSERT_EQ(mailerWindows.scriptInfos.size(), 1u);
    EXPECT_EQ(mailerWindows.scriptInfos[0].caption,
              "Mail Form Script - C:\\Mail Drivers\\notes.exe");
    std::string hundredEmptyLines;
    for (int i = 0; i < 100; ++i) {
        hundredEmptyLines += "\r\n";
    }
    EXPECT_EQ(mailerWindows.scriptInfos[0].text, hundredEmptyLines);
    EXPECT_EQ(Mailers().currentDriver, "notes.exe");
}

TEST_F(MailerDetailsTest, ScriptInformationKeepsTheGapsBetweenItsLines) {
    const std::string path = std::string(kDrivers) + "\\demo.mfs";
    profiles.Put(path, "Information", "1", "Demo Mail");
    profiles.Put(path, "Information", "2", "a small mailer");
    profiles.Put(path, "Information", "5", "line five");
    profiles.Put(path, "Information", "101", "never shown");
    profiles.Put(path, "Information", "01", "not key 1");
    std::string expected = "Demo Mail\r\na small mailer\r\n\r\n\r\nline five\r\n";
    for (int i = 0; i < 95; ++i) {
        expected += "\r\n";
    }
    ShowMailerDetails("demo.mfs");
    ASSERT_EQ(mailerWindows.scriptInfos.size(), 1u);
    EXPECT_EQ(mailerWindows.scriptInfos[0].text, expected);
    EXPECT_THAT(Commands(), IsEmpty());
}

}  // namespace
