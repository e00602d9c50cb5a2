#include <gtest/gtest.h>

#include "fakes/FakeOs.h"
#include "support/FirstWord.h"
#include "support/PathOfF.h"
#include "support/command.h"

namespace {

TEST(PathOfFile, KeepsEverythingUpToTheLastBackslash) {
    EXPECT_EQ(PathOfFile("C:\\Program Files\\Tervane 5\\Tervane5.exe"),
              "C:\\Program Files\\Tervane 5\\");
    EXPECT_EQ(PathOfFile("C:\\Drivers\\"), "C:\\Drivers\\");
    EXPECT_EQ(PathOfFile("Tervane5.exe"), "Tervane5.exe");
    EXPECT_EQ(PathOfFile(""), "");
}

TEST(FirstWord, IsTheTextBeforeTheFirstBlank) {
    EXPECT_EQ(FirstWord("C:\\MFD\\eudora.exe read File=C:\\x"), "C:\\MFD\\eudora.exe");
    EXPECT_EQ(FirstWord("eudora.exe"), "");
    EXPECT_EQ(FirstWord(" read"), "");
}

class CommandLine : public FakeOs {};

TEST_F(CommandLine, JoinsTheArgumentsWithoutSeparator) {
    EXPECT_EQ(CommandLineText(), "");
    system.args = {"/s", "two words", "x"};
    EXPECT_EQ(CommandLineText(), "/stwo wordsx");
}

}  // namespace
