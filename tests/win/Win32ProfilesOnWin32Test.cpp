#include "win32/Win32Profiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win/TestDir.h"
#include "win32/UniqueHandle.h"

namespace {

constexpr const char* kSection = "Tervane Profiles Test";

class Win32ProfilesTest : public ::testing::Test {
protected:
    ~Win32ProfilesTest() override { WriteProfileStringA(kSection, nullptr, nullptr); }

    TestDir dir;
    Win32Profiles profiles;
};

TEST_F(Win32ProfilesTest, SystemValuesAreReadBackAndMissingKeysGiveTheDefault) {
    ASSERT_TRUE(WriteProfileStringA(kSection, "Path", "C:\\Mail Drivers"));
    EXPECT_EQ(profiles.ReadSystem(kSection, "Path", ""), "C:\\Mail Drivers");
    EXPECT_EQ(profiles.ReadSystem(kSection, "Other", "none"), "none");
    EXPECT_EQ(profiles.ReadSystem("Tervane No Such Section", "Path", ""), "");
}

TEST_F(Win32ProfilesTest, PrivateValuesAreReadBackAndMissingKeysGiveTheDefault) {
    const std::string path = TestDir::File("script.mfs");
    ASSERT_TRUE(WritePrivateProfileStringA("Information", "1", "First line", path.c_str()));
    ASSERT_TRUE(WritePrivateProfileStringA("MFS", "Type", "Internal", path.c_str()));
    EXPECT_EQ(profiles.ReadPrivate(path, "Information", "1", ""), "First line");
    EXPECT_EQ(profiles.ReadPrivate(path, "MFS", "Type", ""), "Internal");
    EXPECT_EQ(profiles.ReadPrivate(path, "Information", "2", "-"), "-");
    EXPECT_EQ(profiles.ReadPrivate(TestDir::File("absent.mfs"), "MFS", "Type", "x"), "x");
}

// The buffer holds more than a path: a line of text comes back whole.
TEST_F(Win32ProfilesTest, AValueLongerThanAPathIsReadWhole) {
    const std::string path = TestDir::File("long.ini");
    const std::string line(300, 'a');
    ASSERT_TRUE(WritePrivateProfileStringA("S", "K", line.c_str(), path.c_str()));
    EXPECT_EQ(profiles.ReadPrivate(path, "S", "K", ""), line);
}

TEST_F(Win32ProfilesTest, PrivateValuesWrittenAreReadBackFromARealFile) {
    const std::string path = TestDir::File("written.ini");
    ASSERT_TRUE(profiles.WritePrivate(path, "General", "RecentPage", "4"));
    ASSERT_TRUE(profiles.WritePrivate(path, "General", "LocalRoot", "C:\\Program Files\\T 5\\"));
    ASSERT_TRUE(profiles.WritePrivate(path, "General", "RecentPage", "1"));
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "RecentPage", ""), "1");
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "LocalRoot", ""), "C:\\Program Files\\T 5\\");
    EXPECT_NE(FileContent(path).find("[General]\r\n"), std::string::npos);
}

// A bare name is the settings file's way: it lands in the Windows directory.
TEST_F(Win32ProfilesTest, ABareFileNameIsWrittenInTheWindowsDirectory) {
    const std::string name = "TervaneProfilesTest.ini";
    char windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string inWindows = std::string(windows) + "\\" + name;
    DeleteFileA(inWindows.c_str());
    ASSERT_TRUE(profiles.WritePrivate(name, "General", "Version", "File Version: 5.0"));
    EXPECT_EQ(profiles.ReadPrivate(inWindows, "General", "Version", ""), "File Version: 5.0");
    EXPECT_TRUE(DeleteFileA(inWindows.c_str()));
}

TEST_F(Win32ProfilesTest, WritingToAMissingDirectoryFails) {
    const std::string path = "C:\\Tervane Test\\No Such Dir\\settings.ini";
    EXPECT_FALSE(profiles.WritePrivate(path, "General", "RecentPage", "4"));
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

// Another program holding the file open without sharing it refuses the write, also to root.
TEST_F(Win32ProfilesTest, WritingToAFileHeldOpenByAnotherFailsAndKeepsItsValues) {
    const std::string path = TestDir::File("held.ini");
    PutFile(path, "[General]\r\nRecentPage=2\r\n");
    {
        const UniqueHandle held(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held.Valid());
        EXPECT_FALSE(profiles.WritePrivate(path, "General", "RecentPage", "4"));
    }
    EXPECT_EQ(FileContent(path), "[General]\r\nRecentPage=2\r\n");
}

TEST_F(Win32ProfilesTest, WritingToAReadOnlyFileFailsAndKeepsItsValues) {
    const std::string path = TestDir::File("readonly.ini");
    MakeReadOnlyFile(path, "[General]\r\nRecentPage=2\r\n");
    if (ReadOnlyFilesAreWritable(path)) {
        GTEST_SKIP() << "this user may write read-only files (Wine run by root)";
    }
    EXPECT_FALSE(profiles.WritePrivate(path, "General", "RecentPage", "4"));
    EXPECT_EQ(profiles.ReadPrivate(path, "General", "RecentPage", ""), "2");
}

}  // namespace
