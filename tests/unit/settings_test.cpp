#include "shell/settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/CoreState.h"
#include "core/PGPInvoke.h"
#include "fakes/FakeOs.h"
#include "mailers/MFDDirectory.h"
#include "shell/PropsModel.h"
#include "shell/ShellState.h"
#include "support/error.h"
#include "support/verslab.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace {

struct IntegerCase {
    std::string text;
    int value;
};

TEST(ProfileIntegerTest, DecimalAndPrefixedHexAreReadAnythingElseGivesTheDefault) {
    const IntegerCase cases[] = {
        {"12", 12},
        {"-5", -5},
        {"0", 0},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"$FFFFFFFF", -1},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"", 77},
        {"abc", 77},
        {"12a", 77},
        {"1.5", 77},
        {"-", 77},
        {"0x", 77},
        {"$", 77},
        {"0x1G", 77},
        {"0x-1", 77},
        {"ff", 77},
        {"2147483648", 77},
        {"$100000000", 77},
    };
    for (const IntegerCase& c : cases) {
        EXPECT_EQ(ProfileInteger(c.text, 77), c.value) << "[" << c.text << "]";
    }
}

const std::string kGap(kEntryGap, ' ');
const std::string kOwnVersionQuery = "\\StringFileInfo\\080904E4\\FileVersion";

class SettingsTest : public FakeOs {
protected:
    SettingsTest() {
        versionInfo.Put("", kOwnVersionQuery, "5.0.1");
        Core().PGPMainProgramPath = "unchanged";
    }

    void Put(const std::string& key, const std::string& value) {
        profiles.Put(kSettingsFile, "General", key, value);
    }
    std::string Stored(const std::string& key) {
        return profiles.ReadPrivate(kSettingsFile, "General", key, "<absent>");
    }
    static std::string DataFile(const std::string& name) { return std::string(kDir) + name; }

    // Every value of the model unlike what a load of an empty settings file gives.
    static void SetUnlikeDefaults() {
        Props().optProcessing = kChoiceSign;
        Props().optOutward = kChoiceSign;
        Props().chkIgnoreWrappedKeys = true;
        Props().chkForceKeyRead = true;
        Props().mailingList = {"old@example.org"};
        Shell().recentPage = kPageAbout;
        Shell().tips = TipState{9, false};
    }
};

TEST_F(SettingsTest, WithoutAnySettingsFileLoadGivesTheDefaultsAndCreatesTheFile) {
    SetUnlikeDefaults();
    LoadSettings();
    EXPECT_EQ(Props().optProcessing, kChoiceEncrypt);
    EXPECT_EQ(Props().optOutward, kChoiceEncrypt);
    EXPECT_FALSE(Props().chkIgnoreWrappedKeys);
    EXPECT_FALSE(Props().chkForceKeyRead);
    EXPECT_THAT(Props().mailingList, IsEmpty());
    EXPECT_EQ(Shell().recentPage, kPageMailerChoice);
    EXPECT_EQ(Shell().tips.index, 0);
    EXPECT_TRUE(Shell().tips.enabled);
    EXPECT_EQ(Core().PGPMainProgramPath, "");
    EXPECT_EQ(Stored("LocalRoot"), kDir);
    EXPECT_EQ(Stored("Version"), "File Version: 5.0.1");
    EXPECT_THAT(Log(), HasSubstr(": Loaded Mailing List File\r\n"));
}

struct ChoiceCase {
    std::string stored;
    int choice;
};

// The value is clamped into the group; -1 shows no choice selected.
TEST_F(SettingsTest, StoredChoicesAreClampedIntoTheirGroups) {
    const ChoiceCase cases[] = {
        {"1", kChoiceSign}, {"7", kChoiceEncryptAndSign},   {"-5", -1},
        {"-1", -1},         {"0x2", kChoiceEncryptAndSign}, {"junk", kChoiceEncrypt},
    };
    for (const ChoiceCase& c : cases) {
        Put("optProcessing", c.stored);
        Put("optOutward", c.stored);
        LoadSettings();
        EXPECT_EQ(Props().optProcessing, c.choice) << c.stored;
        EXPECT_EQ(Props().optOutward, c.choice) << c.stored;
    }
}

TEST_F(SettingsTest, StoredPageBoxesAndTipsAreLoaded) {
    Put("RecentPage", "4");
    Put("chkIgnoreWrappedKeys", "5");
    Put("chkForceKeyRead", "0");
    Put("TipNumber", "$c");
    Put("TipEnabled", "2");
    LoadSettings();
    EXPECT_EQ(Shell().recentPage, kPageAbout);
    EXPECT_TRUE(Props().chkIgnoreWrappedKeys);
    EXPECT_FALSE(Props().chkForceKeyRead);
    EXPECT_EQ(Shell().tips.index, 12);
    EXPECT_TRUE(Shell().tips.enabled);

    SaveTipSettings();
    EXPECT_EQ(Stored("TipNumber"), "12");
    EXPECT_EQ(Stored("TipEnabled"), "1");
}

// A stored page that does not exist is the nearest that does; the "&Enable" box shows the
// stored tip switch, off as well as on.
TEST_F(SettingsTest, AStoredPageIsClampedAndTheEnableBoxFollowsTheTipSwitch) {
    const struct {
        const char* page;
        int shown;
        const char* tips;
    } cases[] = {{"2147483647", kPageAbout, "0"}, {"-3", kPageRoutine, "1"}, {"3", 3, "0"}};
    for (const auto& c : cases) {
        Put("RecentPage", c.page);
        Put("TipEnabled", c.tips);
        LoadSettings();
        EXPECT_EQ(Shell().recentPage, c.shown) << c.page;
        EXPECT_EQ(Props().chkTipEnabled, std::string(c.tips) == "1") << c.tips;
    }
}

TEST_F(SettingsTest, TipSettingsAreWrittenAndSetTheEnableBox) {
    Shell().tips = TipState{7, false};
    SaveTipSettings();
    EXPECT_EQ(Stored("TipNumber"), "7");
    EXPECT_EQ(Stored("TipEnabled"), "0");
    EXPECT_FALSE(Props().chkTipEnabled);
}

TEST_F(SettingsTest, TextValuesAreCutTo1023Characters) {
    const std::string longPath = "C:\\" + std::string(1500, 'p');
    profiles.Put(kSettingsFile, "PGP", "Mainexe", longPath);
    profiles.Put(DataFile("DistInfo.Dat"), "General", "DistInfo", longPath);
    LoadSettings();
    LoadDistInfo();
    EXPECT_EQ(Core().PGPMainProgramPath, longPath.substr(0, 1023));
    EXPECT_EQ(Shell().distInfo, longPath.substr(0, 1023));
}

TEST_F(SettingsTest, PGPIdentityIsReadFromTheStoredMainProgram) {
    profiles.Put(kSettingsFile, "PGP", "Mainexe", "C:\\PGP\\PGPtray.exe");
    versionInfo.Put("C:\\PGP\\PGPtray.exe", "\\StringFileInfo\\040904b0\\FileVersion", "5.5.3");
    LoadSettings();
    EXPECT_EQ(Core().PGPMainProgramPath, "C:\\PGP\\PGPtray.exe");
    EXPECT_EQ(Core().PGPFileVersion, " 5.5.3");
}

TEST_F(SettingsTest, DistributionNoteIsReadFromTheProgramDirectoryOrLeftEmpty) {
    Shell().distInfo = "old";
    LoadDistInfo();
    EXPECT_EQ(Shell().distInfo, "");
    profiles.Put(DataFile("DistInfo.Dat"), "General", "DistInfo", "Club edition");
    LoadDistInfo();
    EXPECT_EQ(Shell().distInfo, "Club edition");
}

// Start-up empties the label's prefix after its load; reading PGP's identity leaves the
// key "FileVersion" as the prefix for every load after that.
TEST_F(SettingsTest, VersionTakesThreeFormsAcrossStartUpAndTwoCancels) {
    LoadSettings();
    EXPECT_EQ(Stored("Version"), "File Version: 5.0.1");
    VersionLabel1().SetInfoPrefix("");
    LoadSettings();
    EXPECT_EQ(Stored("Version"), " 5.0.1");
    LoadSettings();
    EXPECT_EQ(Stored("Version"), "FileVersion 5.0.1");
}

TEST_F(SettingsTest, MailingListFileIsReadWithAnyLineEndAndWrittenWithCrLf) {
    files.Put(DataFile("MailingList.dat"), "a@x.org\r\nb@y.org\nc@z.org\rd@w.org");
    LoadSettings();
    EXPECT_THAT(Props().mailingList, ElementsAre("a@x.org", "b@y.org", "c@z.org", "d@w.org"));

    SaveSettings();
    EXPECT_EQ(files.Content(DataFile("MailingList.dat")),
              "a@x.org\r\nb@y.org\r\nc@z.org\r\nd@w.org\r\n");
    Props().mailingList.clear();
    SaveSettings();
    EXPECT_EQ(files.Content(DataFile("MailingList.dat")), "");
}

// The marks are flags beside the texts: a display name that starts with "=" is saved whole.
TEST_F(SettingsTest, ActiveListIsSavedAsTheLibraryHasIt) {
    const std::vector<std::string> saved = {
        "Foo Mail" + kGap + "foo.mfs", "Foo Classic" + kGap + "foo.mfs",
        "=Equals Mail" + kGap + "eq.exe", "Bar" + kGap + "bar.exe"};
    Mailers().libraryLoaded = true;
    Mailers().active = saved;
    Mailers().sameDriverMarks = {true, false, true, false};
    SaveSettings();
    EXPECT_EQ(Mailers().active, saved);
    EXPECT_EQ(files.Content(DataFile("ActiveMailers.dat")),
              saved[0] + "\r\n" + saved[1] + "\r\n" + saved[2] + "\r\n" + saved[3] + "\r\n");

    Mailers().active.clear();
    SaveSettings();
    EXPECT_EQ(files.Content(DataFile("ActiveMailers.dat")), "");
}

// A drivers folder that could not be read at start-up (a network drive not yet there) leaves
// the lists empty: an OK then keeps the user's Active mailers as they were.
TEST_F(SettingsTest, WithoutTheLibraryTheActiveLinesReadAreSavedUnchanged) {
    const std::string lines = "Foo Mail" + kGap + "foo.mfs\r\nBar" + kGap + "bar.exe\r\n";
    files.Put(DataFile("ActiveMailers.dat"), lines);
    profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", "N:\\Drivers");
    EXPECT_THROW(LoadMailerLibrary(), FileError);
    EXPECT_TRUE(Mailers().active.empty());
    SaveSettings();
    EXPECT_EQ(files.Content(DataFile("ActiveMailers.dat")), lines);
}

TEST_F(SettingsTest, LoadReadsAndWritesInItsOrderBetweenItsCheckpoints) {
    LoadSettings();
    EXPECT_THAT(profiles.calls,
                ElementsAre("1002 read Tervane5.INI [General] optProcessing",
                            "1002 read Tervane5.INI [General] optOutward",
                            "1004 read Tervane5.INI [General] RecentPage",
                            "1006 read Tervane5.INI [General] chkIgnoreWrappedKeys",
                            "1008 read Tervane5.INI [General] chkForceKeyRead",
                            "1011 read Tervane5.INI [General] TipNumber",
                            "1011 read Tervane5.INI [General] TipEnabled",
                            "1012 write Tervane5.INI [General] LocalRoot=" + std::string(kDir),
                            "1012 write Tervane5.INI [General] Version=File "
                            "Version: 5.0.1",
                            "1012 read Tervane5.INI [PGP] Mainexe"));
    EXPECT_EQ(Checkpoint(), 1013);
}

TEST_F(SettingsTest, SaveWritesInItsOrderBetweenItsCheckpoints) {
    Props().optProcessing = -1;
    Props().optOutward = kChoiceSign;
    Props().chkIgnoreWrappedKeys = true;
    SaveSettings();
    EXPECT_THAT(profiles.calls,
                ElementsAre("1102 write Tervane5.INI [General] optProcessing=-1",
                            "1104 write Tervane5.INI [General] optOutward=1",
                            "1105 write Tervane5.INI [General] chkIgnoreWrappedKeys=1",
                            "1105 write Tervane5.INI [General] chkForceKeyRead=0",
                            "1105 write Tervane5.INI [General] RecentPage=2"));
    EXPECT_EQ(Checkpoint(), 1199);
    EXPECT_THAT(files.calls, ElementsAre("WriteAll " + DataFile("MailingList.dat") + " 0",
                                         "WriteAll " + DataFile("ActiveMailers.dat") + " 0"));
}

struct WriteFailureCase {
    const char* operation;
    void (*run)();
    int checkpoint;  // where it stopped
};

// Each operation stops at its first write; what came before it stays done.
TEST_F(SettingsTest, AnUnwritableSettingsFileStopsEachOperationAtItsFirstWrite) {
    const WriteFailureCase cases[] = {
        {"LoadSettings", LoadSettings, 1012},
        {"SaveSettings", SaveSettings, 1102},
        {"SaveTipSettings", SaveTipSettings, 0},
    };
    profiles.MakeUnwritable(kSettingsFile);
    Put("TipEnabled", "0");
    for (const WriteFailureCase& c : cases) {
        Checkpoint() = 0;
        Mailers().active = {"=Foo" + kGap + "foo.mfs"};
        Props().chkTipEnabled = true;
        try {
            c.run();
            ADD_FAILURE() << c.operation << " did not throw";
        } catch (const SettingsWriteError& e) {
            EXPECT_STREQ(e.what(), "Unable to write to Tervane5.INI") << c.operation;
        }
        EXPECT_EQ(Checkpoint(), c.checkpoint) << c.operation;
        EXPECT_EQ(Core().PGPMainProgramPath, "unchanged") << c.operation;
        EXPECT_EQ(Mailers().active[0], "=Foo" + kGap + "foo.mfs") << c.operation;
        // A load has read the tip switch (off) before its first write.
        EXPECT_EQ(Props().chkTipEnabled, std::string(c.operation) != "LoadSettings")
            << c.operation;
    }
    EXPECT_FALSE(Shell().tips.enabled);
    EXPECT_FALSE(files.Exists(DataFile("MailingList.dat")));
    EXPECT_FALSE(files.Exists(DataFile("ActiveMailers.dat")));
}

}  // namespace
