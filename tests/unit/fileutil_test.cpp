#include <gtest/gtest.h>

#include <set>

#include "fakes/FakeOs.h"
#include "support/error.h"
#include "support/fileutil.h"
#include "support/sysinfo.h"

namespace {

const std::string kFile = "C:\\Data\\out.txt";

class FileUtil : public FakeOs {};

TEST_F(FileUtil, ReadFileStringGivesBytesOrEmptyForAMissingFile) {
    files.Put(kFile, std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileString(kFile), std::string("a\0b\r\n", 5));
    EXPECT_EQ(ReadFileString("C:\\Data\\none.txt"), "");
}

// The failure that reading kFile raises.
FileError ReadFailure() {
    try {
        ReadFileString(kFile);
    } catch (const FileError& e) {
        return e;
    }
    ADD_FAILURE() << "no failure raised";
    return FileError(0, FileStep::Open, "");
}

TEST_F(FileUtil, ReadFileStringNamesTheFileThatCannotBeOpened) {
    files.Put(kFile, "x");
    files.FailOpen(kFile, 32);
    const FileError e = ReadFailure();
    EXPECT_EQ(e.what(), "Cannot open file " + kFile);
    EXPECT_EQ(e.Code(), 32);
    EXPECT_EQ(e.Step(), FileStep::Open);
}

TEST_F(FileUtil, ReadFileStringReportsAFailedReadAsAStreamError) {
    struct UnreadableFiles : FakeFiles {
        std::string ReadAll(const std::string&) override { throw FileError(23, FileStep::Read); }
    } unreadable;
    unreadable.Put(kFile, "x");
    Os().files = &unreadable;
    const FileError e = ReadFailure();
    EXPECT_STREQ(e.what(), "Stream read error");
    EXPECT_EQ(e.Code(), 23);
}

TEST_F(FileUtil, WriteFileStringReportsFailuresAsOneWarning) {
    struct Case {
        int code;
        const char* detail;
    } cases[] = {{kErrorAccessDenied, "File access denied"},
                 {kErrorDiskFull, "Disk full"},
                 {1234, "I/O error 1234"}};
    Checkpoint() = 5506;
    for (const Case& c : cases) {
        const std::string name = "C:\\Data\\f" + std::to_string(c.code);
        if (c.code == kErrorAccessDenied) {
            files.MakeReadOnly(name);
        } else {
            files.FailWrite(name, c.code);
        }
        user.shown.clear();
        EXPECT_NO_THROW(WriteFileString(name, "text"));
        const std::string text = "Error in WriteFileString:" + name + ".5506 with " + c.detail;
        ASSERT_EQ(user.shown.size(), 1u);
        EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
        EXPECT_EQ(user.shown[0].text, text);
        EXPECT_NE(Log().find(": " + text + "\r\n"), std::string::npos);
    }
}

TEST_F(FileUtil, TrimFileToSizeKeepsOneByteMoreThanTheLimit) {
    struct Case {
        std::size_t length, kept;
    } cases[] = {{20000, 20000}, {20001, 20001}, {30000, 20001}, {5, 5}};
    for (const Case& c : cases) {
        std::string content(c.length, 'x');
        for (std::size_t i = 0; i < content.size(); ++i) {
            content[i] = static_cast<char>('a' + i % 26);
        }
        files.Put(kFile, content);
        TrimFileToSize(kFile, 20000);
        EXPECT_EQ(files.Content(kFile), content.substr(c.length - c.kept)) << c.length;
    }
    TrimFileToSize("C:\\Data\\none.txt", 20000);
    EXPECT_FALSE(files.Exists("C:\\Data\\none.txt"));
}

TEST_F(FileUtil, TrimFileToSizeCosmeticCreatesAMissingFileAndReportsOpenFailures) {
    TrimFileToSizeCosmetic(kFile, 100);
    EXPECT_EQ(files.Content(kFile), "");

    files.FailOpen(kFile, kErrorAccessDenied);
    EXPECT_NO_THROW(TrimFileToSizeCosmetic(kFile, 100));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text,
              "Error in TrimFileToSizeCosmetic: " + kFile + ".0 with Cannot open file " + kFile);
}

TEST_F(FileUtil, WipeFileOverwritesInPlaceSixTimesThenTruncatesAndDeletes) {
    const std::size_t n = 100000;
    files.Put(kFile, std::string(n, 's'));
    WipeFile(kFile);
    std::vector<std::string> expected{"ClearReadOnly " + kFile, "ReadAll " + kFile};
    expected.insert(expected.end(), 6, "Overwrite " + kFile + " " + std::to_string(n));
    expected.insert(expected.end(), {"Truncate " + kFile, "Remove " + kFile});
    EXPECT_EQ(files.calls, expected);
    ASSERT_EQ(files.overwrites.size(), 6u);
    EXPECT_EQ(files.overwrites[0], std::string(n, '\x00'));
    EXPECT_EQ(files.overwrites[1], std::string(n, '\xFF'));
    const std::set<char> drawn(files.overwrites[2].begin(), files.overwrites[2].end());
    EXPECT_EQ(drawn.size(), 255u);
    EXPECT_EQ(drawn.count('\xFF'), 0u);
    for (int pass = 3; pass < 6; ++pass) {
        EXPECT_EQ(files.overwrites[pass], files.overwrites[pass - 3]);
    }
    EXPECT_FALSE(files.Exists(kFile));
}

TEST_F(FileUtil, WipeFileOfAnEmptyFileStillGoesThroughEveryPass) {
    files.Put(kFile, "");
    WipeFile(kFile);
    EXPECT_EQ(files.calls.size(), 10u);
    EXPECT_EQ(files.overwrites, std::vector<std::string>(6));
    EXPECT_FALSE(files.Exists(kFile));
    files.calls.clear();
    WipeFile(kFile);
    EXPECT_TRUE(files.calls.empty());
}

// A driver may leave the file read-only; only a file that another program holds stays, and
// the user hears of it once, by its name; the log names it too, never with its text.
TEST_F(FileUtil, WipeFileClearsReadOnlyAndTellsOnceOfAFileThatStays) {
    files.Put(kFile, "the secret");
    files.MakeReadOnly(kFile);
    EXPECT_TRUE(WipeFile(kFile));
    EXPECT_FALSE(files.Exists(kFile));
    EXPECT_EQ(files.overwrites.size(), 6u);

    files.Put(kFile, "the secret");
    files.Hold(kFile);
    EXPECT_FALSE(WipeFile(kFile));
    EXPECT_FALSE(WipeFile(kFile));
    EXPECT_EQ(files.Content(kFile), "the secret");
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].text, kWipeFailedText + kFile);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    const std::string log = Log();
    EXPECT_EQ(log.find("the secret"), std::string::npos);
    EXPECT_NE(log.find(": WipeFile failed, the file is still there: " + kFile + "\r\n"),
              std::string::npos)
        << log;
}

TEST_F(FileUtil, WindowsVersionText) {
    EXPECT_EQ(PlatformName(3), "Unkown Platform #3");
    system.version = {4, 0, 0x05000565, 2, "Service Pack 6"};
    EXPECT_EQ(WindowsVersionText(), "4.0.1381 WinNTService Pack 6");
    system.version = {4, 10, 0x040A0AFA, 1, std::string(130, 'p')};
    EXPECT_EQ(WindowsVersionText(), "4.10.2810 Win95/98" + std::string(128, 'p'));
    system.version = {3, 1, 0, 0, ""};
    EXPECT_EQ(WindowsVersionText(), "3.1.0 Win32s");
}

TEST_F(FileUtil, IsWindowMinimisedLooksAtEveryAncestor) {
    windows.windows = {{1, {0, false, {}}}, {2, {1, false, {}}}, {3, {2, false, {}}}};
    EXPECT_FALSE(IsWindowMinimised(3));
    windows.windows[1].minimised = true;
    EXPECT_TRUE(IsWindowMinimised(3));
    EXPECT_FALSE(IsWindowMinimised(0));
}

}  // namespace
