#include "win32/Win32Profiles.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "win/TestDir.h"

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

}  // namespace
