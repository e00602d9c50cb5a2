#include "win32/Win32Files.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>

#include "win/TestDir.h"
#include "win32/UniqueHandle.h"

namespace {

class Win32FilesTest : public ::testing::Test {
protected:
    TestDir dir;
    Win32Files files;
    const std::string path = TestDir::File("a file.txt");
};

std::string EveryByte() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    return bytes;
}

TEST_F(Win32FilesTest, WriteAllAndReadAllKeepEveryByteValue) {
    const std::string bytes = EveryByte() + std::string("\0\xff", 2);
    files.WriteAll(path, bytes);
    EXPECT_EQ(FileContent(path), bytes);
    EXPECT_EQ(files.ReadAll(path), bytes);
}

TEST_F(Win32FilesTest, WriteAllReplacesALongerFile) {
    PutFile(path, "a much longer earlier content");
    files.WriteAll(path, "short");
    EXPECT_EQ(FileContent(path), "short");
}

TEST_F(Win32FilesTest, ReadAllOfAnEmptyFileIsEmpty) {
    PutFile(path, "");
    EXPECT_EQ(files.ReadAll(path), "");
}

TEST_F(Win32FilesTest, ExistsOnlyForFiles) {
    PutFile(path, "x");
    EXPECT_TRUE(files.Exists(path));
    EXPECT_FALSE(files.Exists(TestDir::File("missing.txt")));
    EXPECT_FALSE(files.Exists("C:\\Tervane Test\\Sub Dir"));
    EXPECT_FALSE(files.Exists(TestDir::kPath));
}

TEST_F(Win32FilesTest, AppendCreatesAnAbsentFileThenAddsAtTheEnd) {
    files.Append(path, "first\r\n");
    files.Append(path, std::string("\0second", 7));
    EXPECT_EQ(FileContent(path), std::string("first\r\n\0second", 14));
}

TEST_F(Win32FilesTest, OverwriteWritesInPlaceAndKeepsTheTail) {
    PutFile(path, "0123456789");
    EXPECT_TRUE(files.Overwrite(path, "abc"));
    EXPECT_EQ(FileContent(path), "abc3456789");
    EXPECT_TRUE(files.Overwrite(path, "ABCDEFGHIJKL"));
    EXPECT_EQ(FileContent(path), "ABCDEFGHIJKL");
}

TEST_F(Win32FilesTest, TruncateLeavesAnEmptyFile) {
    PutFile(path, "content");
    EXPECT_TRUE(files.Truncate(path));
    EXPECT_TRUE(files.Exists(path));
    EXPECT_EQ(FileContent(path), "");
}

TEST_F(Win32FilesTest, OverwriteAndTruncateDoNotCreateAMissingFile) {
    EXPECT_FALSE(files.Overwrite(path, "abc"));
    EXPECT_FALSE(files.Truncate(path));
    EXPECT_FALSE(files.Exists(path));
}

TEST_F(Win32FilesTest, RemoveDeletesAFileAndFailsForAMissingOne) {
    PutFile(path, "x");
    EXPECT_TRUE(files.Remove(path));
    EXPECT_FALSE(files.Exists(path));
    EXPECT_FALSE(files.Remove(path));
}

void ExpectEveryWriteRefused(Win32Files& files, const std::string& target) {
    try {
        files.WriteAll(target, "new");
        FAIL() << "WriteAll of " << target << " succeeded";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Code(), kErrorAccessDenied);
        EXPECT_EQ(e.Step(), FileStep::Open);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_THROW(files.Append(target, "new"), FileError);
    EXPECT_FALSE(files.Overwrite(target, "new"));
    EXPECT_FALSE(files.Truncate(target));
    EXPECT_FALSE(files.Remove(target));
}

TEST_F(Win32FilesTest, ReadOnlyFileRefusesEveryWrite) {
    MakeReadOnlyFile(path, "kept");
    if (ReadOnlyFilesAreWritable(path)) {
        GTEST_SKIP() << "this user may write read-only files (Wine run by root)";
    }
    ExpectEveryWriteRefused(files, path);
    EXPECT_EQ(FileContent(path), "kept");
}

TEST_F(Win32FilesTest, DirectoryRefusesEveryWrite) {
    const std::string directory = "C:\\Tervane Test\\Sub Dir";
    ExpectEveryWriteRefused(files, directory);
    EXPECT_NE(GetFileAttributesA(directory.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Win32FilesTest, ReadAllOfAMissingFileFailsWithFileNotFound) {
    try {
        files.ReadAll(path);
        FAIL() << "ReadAll of a missing file succeeded";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Code(), kErrorFileNotFound);
        EXPECT_EQ(e.Step(), FileStep::Open);
    }
}

// A reader (a virus scanner, an indexer) does not stop the read; a writer does, so that a
// file half written is never read.
TEST_F(Win32FilesTest, ReadAllSharesTheFileWithReadersOnly) {
    PutFile(path, "busy");
    // Other openers that themselves allow any sharing: only our sharing decides.
    const auto openFor = [&](DWORD access) {
        return UniqueHandle(CreateFileA(path.c_str(), access,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    };
    UniqueHandle reader = openFor(GENERIC_READ);
    ASSERT_TRUE(reader.Valid());
    EXPECT_EQ(files.ReadAll(path), "busy");
    reader.Close();
    UniqueHandle writer = openFor(GENERIC_WRITE);
    ASSERT_TRUE(writer.Valid());
    try {
        files.ReadAll(path);
        FAIL() << "ReadAll shared the file with a writer";
    } catch (const FileError& e) {
        EXPECT_EQ(e.Code(), static_cast<int>(ERROR_SHARING_VIOLATION));
        EXPECT_EQ(e.Step(), FileStep::Open);
    }
    writer.Close();
    EXPECT_EQ(files.ReadAll(path), "busy");
}

// Removes a directory that a test made inside the test directory, which empties only files.
struct MadeDirectory {
    explicit MadeDirectory(std::string p) : path(std::move(p)) {
        made = CreateDirectoryA(path.c_str(), nullptr) != 0;
    }
    ~MadeDirectory() { RemoveDirectoryA(path.c_str()); }
    std::string path;
    bool made = false;
};

TEST_F(Win32FilesTest, FindFirstSeesHiddenSystemAndReadOnlyFilesButNoDirectories) {
    const std::string pattern = TestDir::File("PGP*.Hlp");
    EXPECT_EQ(files.FindFirst(pattern), "");
    const MadeDirectory directory(TestDir::File("PGP Dir.hlp"));
    ASSERT_TRUE(directory.made);
    PutFile(TestDir::File("Readme.hlp"), "");
    PutFile(TestDir::File("PGP.txt"), "");
    EXPECT_EQ(files.FindFirst(pattern), "");

    const std::string help = TestDir::File("PGP55.hlp");
    PutFile(help, "help");
    ASSERT_TRUE(SetFileAttributesA(
        help.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(files.FindFirst(pattern), "PGP55.hlp");
}

}  // namespace
