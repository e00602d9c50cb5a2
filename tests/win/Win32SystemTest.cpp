#include "win32/Win32System.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "win/TestDir.h"

namespace {

TEST(Win32SystemTest, CommandLineArgsAreTheArgumentsAfterTheProgramName) {
    // GoogleTest keeps the command line exactly as main received it.
    const std::vector<std::string> argv = ::testing::internal::GetArgvs();
    ASSERT_FALSE(argv.empty());
    const std::vector<std::string> expected(argv.begin() + 1, argv.end());
    EXPECT_EQ(Win32System().CommandLineArgs(), expected);
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

std::size_t ShortLength(const std::string& path) {
    char shortForm[400];
    return GetShortPathNameA(path.c_str(), shortForm, sizeof shortForm);
}

// A directory below the test directory whose short form has exactly `length` characters.
// Names with a blank have short forms longer than themselves, so the long path stays
// within the system's limits; names of up to eight letters are their own short forms and
// make up the rest.
std::string PathWithShortFormOf(std::size_t length) {
    std::string path = "C:\\Tervane Test\\Sub Dir";
    const auto add = [&path](const std::string& name) {
        path += "\\" + name;
        CreateDirectoryA(path.c_str(), nullptr);
    };
    while (ShortLength(path) + 20 < length) {
        add("a b");
    }
    for (std::size_t rest = length - ShortLength(path); rest > 0;
         rest = length - ShortLength(path)) {
        std::size_t letters = std::min<std::size_t>(rest - 1, 8);
        if (rest - letters - 1 == 1) {
            --letters;  // a remainder of one could take no name
        }
        add(std::string(letters, 'x'));
    }
    return path;
}

// The buffer holds 255 characters and the final zero byte.
TEST(Win32SystemTest, ShortPathIsEmptyWhenTheShortFormDoesNotFit) {
    TestDir dir;
    const std::string fits = PathWithShortFormOf(255);
    ASSERT_EQ(ShortLength(fits), 255u);
    EXPECT_EQ(Win32System().ShortPath(fits).size(), 255u);

    const std::string tooLong = PathWithShortFormOf(256);
    ASSERT_EQ(ShortLength(tooLong), 256u);
    EXPECT_EQ(Win32System().ShortPath(tooLong), "");
}

}  // namespace
