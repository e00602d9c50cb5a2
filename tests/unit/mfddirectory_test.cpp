#include "mailers/MFDDirectory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "mailers/FindRunningMailer.h"
#include "platform/FileError.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const std::string kGap(200, ' ');
constexpr const char* kDrivers = "C:\\Mail Drivers";
const std::string kLibraryFile = std::string(kDrivers) + "\\SELECTG.DAT";

struct TextCase {
    std::string text;
    std::string displayName;
    std::string driverFile;
};

TEST(EntryTextTest, NameAndDriverAreFoundAroundTheLastGap) {
    const std::string caption = "Inbox" + std::string(300, ' ') + "Draft";
    const TextCase cases[] = {
        {"Foo Mail" + kGap + "foo.mfs", "Foo Mail", "foo.mfs"},
        // The visible part may hold a gap of its own: a name, or a chooser row's caption.
        {"Foo" + kGap + "Mail" + kGap + "foo.mfs", "Foo" + kGap + "Mail", "foo.mfs"},
        {ChooserRow("Demo", caption, "DEMO.EXE"), "Demo / " + caption, "DEMO.EXE"},
        {"Foo" + kGap + "foo.mfs" + kGap, "Foo", "foo.mfs"},
        {"=Foo Mail" + kGap + "foo.mfs", "=Foo Mail", "foo.mfs"},
        {"Foo " + kGap + "  foo.mfs \r\n", "Foo", "foo.mfs"},
        {kGap + "x.exe", "", "x.exe"},
        {"Foo" + std::string(199, ' ') + "foo.mfs", "", ""},
        {"", "", ""},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(DisplayNameOf(c.text), c.displayName) << "[" << c.text << "]";
        EXPECT_EQ(DriverFileOf(c.text), c.driverFile) << "[" << c.text << "]";
    }
    EXPECT_EQ(EntryText({"Foo Mail", "0", "foo.mfs"}), "Foo Mail" + kGap + "foo.mfs");
}

struct LineCase {
    std::string line;
    MailerEntry entry;
};

TEST(LibraryLineTest, FieldsAreSplitAtBangsWithoutTrimming) {
    const LineCase cases[] = {
        {"Foo Mail!0!foo.mfs", {"Foo Mail", "0", "foo.mfs"}},
        {" A ! 05 ! a.exe !extra!more", {" A ", " 05 ", " a.exe "}},
        {"OnlyName", {"OnlyName", "", ""}},
        {"Name!flags", {"Name", "flags", ""}},
        {"!!", {"", "", ""}},
        {"", {"", "", ""}},
    };
    for (const LineCase& c : cases) {
        const MailerEntry e = ParseLibraryLine(c.line);
        EXPECT_EQ(e.DisplayName, c.entry.DisplayName) << c.line;
        EXPECT_EQ(e.Flags, c.entry.Flags) << c.line;
        EXPECT_EQ(e.DriverFile, c.entry.DriverFile) << c.line;
    }
}

class MFDDirectoryTest : public FakeOs {
protected:
    MFDDirectoryTest() {
        profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", kDrivers);
    }

    void PutDriver(const std::string& name) { files.Put(std::string(kDrivers) + "\\" + name, ""); }
};

TEST_F(MFDDirectoryTest, OnlyInstalledLinesNotWithdrawnAreOfferedAndExclusivesKeepFileOrder) {
    files.Put(kLibraryFile,
              "Foo Mail!0!foo.mfs\r\nBar!5!bar.exe\r\nBaz!-!baz.exe\r\nQux!0!qux.exe\r\n"
              "Short!1\r\n");
    PutDriver("foo.mfs");
    PutDriver("bar.exe");
    PutDriver("baz.exe");
    LoadMailerLibrary();
    EXPECT_EQ(Mailers().directory, kDrivers);
    EXPECT_THAT(Mailers().library, ElementsAre("Foo Mail" + kGap + "foo.mfs"));
    EXPECT_THAT(Mailers().active, IsEmpty());
    EXPECT_THAT(Mailers().exclusiveDrivers, ElementsAre("foo.mfs", "qux.exe"));
    EXPECT_THAT(Mailers().activeDrivers, IsEmpty());
}

// A driver is started from the drivers folder by its name: a line naming a file elsewhere
// is refused whole, with a log line that names it.
TEST_F(MFDDirectoryTest, DriversOutsideTheDriversFolderAreRefusedAndLogged) {
    const char* outside[] = {"..\\evil.exe", "C:\\evil.exe", "sub\\evil.exe",
                             "sub/evil.exe", "C:evil.exe",   ".."};
    std::string library = "Good!!good.exe\r\n";
    for (const char* driver : outside) {
        library += std::string("Evil!0!") + driver + "\r\n";
        PutDriver(driver);
    }
    PutDriver("good.exe");
    files.Put(kLibraryFile, library);
    LoadMailerLibrary();
    EXPECT_THAT(Mailers().library, ElementsAre("Good" + kGap + "good.exe"));
    EXPECT_THAT(Mailers().exclusiveDrivers, IsEmpty());
    const std::string log = Log();
    for (const char* driver : outside) {
        EXPECT_NE(log.find(": SELECTG.DAT: the line of \"Evil\" is ignored, its driver is not a "
                           "file of the drivers folder: " +
                           std::string(driver) + "\r\n"),
                  std::string::npos)
            << driver;
    }
}

TEST_F(MFDDirectoryTest, ActiveTextsMatchIgnoringCaseAndBothListsAreSorted) {
    files.Put(kLibraryFile, "zeta!!z.exe\r\nAlpha!!a.exe\r\nbeta!!b.mfs\r\nGamma!!g.exe\r\n");
    for (const char* d : {"z.exe", "a.exe", "b.mfs", "g.exe"}) {
        PutDriver(d);
    }
    files.Put(kDir + std::string("ActiveMailers.dat"),
              "GAMMA" + kGap + "G.EXE\r\nzeta" + kGap + "z.exe\r\nGone" + kGap + "gone.exe\r\n");
    LoadMailerLibrary();
    EXPECT_THAT(Mailers().library, ElementsAre("Alpha" + kGap + "a.exe", "beta" + kGap + "b.mfs"));
    EXPECT_THAT(Mailers().active, ElementsAre("Gamma" + kGap + "g.exe", "zeta" + kGap + "z.exe"));
    EXPECT_THAT(Mailers().activeDrivers, ElementsAre("g.exe", "z.exe"));
}

TEST_F(MFDDirectoryTest, ActiveDriversAreSortedIgnoringCaseWithoutDuplicates) {
    Mailers().active = {"One" + kGap + "b.exe", "Two" + kGap + "A.mfs", "=Three" + kGap + "c.EXE",
                        "Four" + kGap + "B.EXE", "Five" + kGap + "a.mfs"};
    BuildActiveDriverList();
    EXPECT_THAT(Mailers().activeDrivers, ElementsAre("A.mfs", "b.exe", "c.EXE"));
    Mailers().active.clear();
    BuildActiveDriverList();
    EXPECT_THAT(Mailers().activeDrivers, IsEmpty());
}

TEST_F(MFDDirectoryTest, AnEmptyDirectoryAddressesTheRootOfTheDrive) {
    profiles = FakeProfiles{};
    files.Put("\\SELECTG.DAT", "Root!!r.exe\r\n");
    files.Put("\\r.exe", "");
    LoadMailerLibrary();
    EXPECT_EQ(Mailers().directory, "");
    EXPECT_THAT(Mailers().library, ElementsAre("Root" + kGap + "r.exe"));
}

TEST_F(MFDDirectoryTest, AMissingLibraryFileIsAFileError) {
    Mailers().currentDriver = "kept.exe";
    try {
        LoadMailerLibrary();
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Code(), kErrorFileNotFound);
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + kLibraryFile);
    }
    EXPECT_EQ(Mailers().currentDriver, "kept.exe");
}

TEST_F(MFDDirectoryTest, AnUnreadableLibraryFileIsAFileError) {
    files.Put(kLibraryFile, "Foo!!foo.exe\r\n");
    files.FailOpen(kLibraryFile, kErrorAccessDenied);
    EXPECT_THROW(LoadMailerLibrary(), FileError);
}

}  // namespace
