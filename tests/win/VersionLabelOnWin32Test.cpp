// The version label reading real version resources through the Win32 platform.

#include <gtest/gtest.h>

#include "support/verslab.h"
#include "win/BuildTree.h"
#include "win/OnWin32.h"
#include "win32/Win32VersionInfo.h"

namespace {

const char* const kFileVersion = "\\StringFileInfo\\080904E4\\FileVersion";

TEST(Win32VersionInfo, ReadsAStringOfTheProgramsResourceWithItsZero) {
    const VersionQuery q = Win32VersionInfo().Query(Tervane5Exe(), kFileVersion);
    ASSERT_EQ(q.status, VersionQuery::Status::Found);
    EXPECT_EQ(q.length, 8u);
    EXPECT_EQ(q.bytes, std::string("5.0.0.0", 8));
}

struct FailureCase {
    const char* name;
    std::string file;
    const char* subBlock;
    VersionQuery::Status status;
};

class Win32VersionInfoFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(Win32VersionInfoFailures, SayWhichStepFailed) {
    EXPECT_EQ(Win32VersionInfo().Query(GetParam().file, GetParam().subBlock).status,
              GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(Cases, Win32VersionInfoFailures,
                         ::testing::Values(FailureCase{"MissingFile", "C:\\NoSuchDir\\NoSuch.exe",
                                                       kFileVersion, VersionQuery::Status::NoData},
                                           FailureCase{"FileWithoutResource", ExitWithExe(),
                                                       kFileVersion, VersionQuery::Status::NoData},
                                           FailureCase{"MissingKey", Tervane5Exe(),
                                                       "\\StringFileInfo\\080904E4\\NoSuchKey",
                                                       VersionQuery::Status::QueryFailed},
                                           FailureCase{"MissingTable", Tervane5Exe(),
                                                       "\\StringFileInfo\\040704E4\\FileVersion",
                                                       VersionQuery::Status::QueryFailed}),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

// What the label shows for a file, a string table and a key.
struct LabelCase {
    const char* name;
    std::string file;
    const char* langCharset;
    TVersionResources resource;
    const char* key;  // set after the resource when not null
    const char* expected;
};

class VersionLabelOnWin32 : public OnWin32, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(VersionLabelOnWin32, ShowsTheCaptionAndTheValueOrTheFailureText) {
    const LabelCase& c = GetParam();
    TVersionLabel label;
    label.SetVersionResource(c.resource);
    if (c.key) {
        label.SetVersionResourceKey(c.key);
    }
    EXPECT_EQ(label.GetInfoGeneral(c.file, c.langCharset), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VersionLabelOnWin32,
    ::testing::Values(
        LabelCase{"OwnFileVersion", Tervane5Exe(), "080904E4", TVersionResources::vrFileVersion,
                  nullptr, "File Version: 5.0.0.0"},
        LabelCase{"ProductNameOfTheSecondTable", Tervane5Exe(), "040904b0",
                  TVersionResources::vrProductName, nullptr, "Product Name: Tervane 5"},
        LabelCase{"OriginalFilename", Tervane5Exe(), "080904E4",
                  TVersionResources::vrOriginalFilename, nullptr,
                  "Original Filename: Tervane5.exe"},
        LabelCase{"MissingFile", TestDir::File("missing.exe"), "080904E4",
                  TVersionResources::vrFileVersion, nullptr, "File Version: < No Data Available >"},
        LabelCase{"MissingKey", Tervane5Exe(), "080904E4", TVersionResources::vrFileVersion,
                  "NoSuchKey", "NoSuchKey Error retrieving version info"}),
    [](const ::testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

}  // namespace
