#include "win32/Win32System.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win/TestDir.h"

namespace {

TEST(Win32SystemTest, CommandLineArgsAreTheArgumentsAfterTheProgramName) {
    // GoogleTest keeps the command line exactly as main received it.
    const std::vector<std::string> argv = ::testing::internal::GetArgvs();
    ASSERT_FALSE(argv.empty());
    const std::vector<std::string> expected(argv.begin() + 1, argv.end());
    EXPECT_EQ(Win32System().CommandLineArgs(), expected);
}

TEST(Win32SystemTest, VersionIsWhatTheSystemReports) {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)));
    const OsVersion version = Win32System().Version();
    EXPECT_EQ(version.major, info.dwMajorVersion);
    EXPECT_EQ(version.minor, info.dwMinorVersion);
    EXPECT_EQ(version.build, info.dwBuildNumber);
    EXPECT_EQ(version.platformId, static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(version.servicePack, info.szCSDVersion);
    EXPECT_GE(version.major, 5u);
}

TEST(Win32SystemTest, ShortPathNamesTheSameFileWithoutBlanks) {
    TestDir dir;
    const std::string path = TestDir::File("a long file name.text");
    PutFile(path, "the same file");
    const std::string shortPath = Win32System().ShortPath(path);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
    EXPECT_EQ(FileContent(shortPath), "the same file");

    const std::string shortDir = Win32System().ShortPath(TestDir::kPath);
    ASSERT_FALSE(shortDir.empty());
    EXPECT_EQ(shortDir.find(' '), std::string::npos) << shortDir;
    EXPECT_EQ(shortDir.back(), '\\');
}

TEST(Win32SystemTest, ShortPathOfAMissingPathIsEmpty) {
    TestDir dir;
    EXPECT_EQ(Win32System().ShortPath(TestDir::File("no such file.txt")), "");
    EXPECT_EQ(Win32System().ShortPath("C:\\No Such Dir\\x.txt"), "");
}

}  // namespace
