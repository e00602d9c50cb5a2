#include "support/verslab.h"

#include <gtest/gtest.h>

#include "fakes/FakeOs.h"

namespace {

const std::string kOwnTable = "\\StringFileInfo\\080904E4\\";

class VersionLabel : public FakeOs {
protected:
    VersionLabel() {
        versionInfo.Put("", kOwnTable + "FileVersion", "5.0.0.0");
        versionInfo.Put("", kOwnTable + "ProductName", "Tervane 5");
        versionInfo.Put("", kOwnTable + "LegalCopyright", "(c) 1998");
    }
};

TEST_F(VersionLabel, ShowsTheOwnFileVersionUnderItsCaption) {
    TVersionLabel label;
    EXPECT_EQ(label.VersionResource(), TVersionResources::vrFileVersion);
    EXPECT_EQ(label.VersionResourceKey(), "FileVersion");
    EXPECT_EQ(label.InfoPrefix(), "File Version:");
    EXPECT_TRUE(label.ShowInfoPrefix());
    EXPECT_EQ(label.LangCharset(), "080904E4");
    EXPECT_EQ(label.Caption(), "File Version: 5.0.0.0");
}

TEST_F(VersionLabel, EachStandardStringSetsItsKeyAndCaption) {
    const struct {
        TVersionResources resource;
        const char* key;
        const char* caption;
    } cases[] = {
        {TVersionResources::vrCompanyName, "CompanyName", "Company Name:"},
        {TVersionResources::vrFileDescription, "FileDescription", "File Description:"},
        {TVersionResources::vrFileVersion, "FileVersion", "File Version:"},
        {TVersionResources::vrInternalName, "InternalName", "Internal Name:"},
        {TVersionResources::vrLegalCopyright, "LegalCopyright", "Legal Copyright:"},
        {TVersionResources::vrOriginalFilename, "OriginalFilename", "Original Filename:"},
        {TVersionResources::vrProductName, "ProductName", "Product Name:"},
        {TVersionResources::vrProductVersion, "ProductVersion", "Product Version:"},
        {TVersionResources::vrComments, "Comments", "Comments:"},
    };
    TVersionLabel label;
    for (const auto& c : cases) {
        label.SetVersionResource(c.resource);
        EXPECT_EQ(label.VersionResource(), c.resource) << c.key;
        EXPECT_EQ(label.VersionResourceKey(), c.key);
        EXPECT_EQ(label.InfoPrefix(), c.caption);
    }
    label.SetVersionResource(TVersionResources::vrLegalCopyright);
    EXPECT_EQ(label.Caption(), "Legal Copyright: (c) 1998");
}

TEST_F(VersionLabel, ANewKeyBecomesTheCaptionAndTheSameKeyChangesNothing) {
    TVersionLabel label;
    label.SetVersionResourceKey("ProductName");
    EXPECT_EQ(label.InfoPrefix(), "ProductName");
    EXPECT_EQ(label.Caption(), "ProductName Tervane 5");

    label.SetInfoPrefix("Name:");
    label.SetVersionResourceKey("ProductName");
    EXPECT_EQ(label.InfoPrefix(), "Name:");
}

TEST_F(VersionLabel, TheCaptionAndItsBlankGoBeforeTheValueOnlyWhenShown) {
    TVersionLabel label;
    label.SetInfoPrefix("");
    EXPECT_EQ(label.Caption(), " 5.0.0.0");
    label.SetShowInfoPrefix(false);
    EXPECT_EQ(label.Caption(), "5.0.0.0");
    label.SetInfoPrefix("Version");
    EXPECT_EQ(label.Caption(), "5.0.0.0");
    label.SetShowInfoPrefix(true);
    EXPECT_EQ(label.Caption(), "Version 5.0.0.0");
}

// The string table is only read again at the next refresh.
TEST_F(VersionLabel, ANewStringTableIsReadAtTheNextRefresh) {
    versionInfo.Put("", "\\StringFileInfo\\040904b0\\FileVersion", "5.0.0.1");
    TVersionLabel label;
    label.SetLangCharset("040904b0");
    EXPECT_EQ(label.Caption(), "File Version: 5.0.0.0");
    EXPECT_EQ(label.GetInfo(), "File Version: 5.0.0.1");
    label.SetInfoPrefix("Version:");
    EXPECT_EQ(label.Caption(), "Version: 5.0.0.1");
}

TEST_F(VersionLabel, AValueThatCannotBeReadGivesItsFixedText) {
    using Status = VersionQuery::Status;
    const struct {
        const char* name;
        bool fileHasData;
        VersionQuery query;  // the answer for FileVersion when the file has data
        const char* value;
    } cases[] = {
        {"no version information", false, {}, "< No Data Available >"},
        {"no such string", true, {Status::QueryFailed, 0, ""}, "Error retrieving version info"},
        {"empty string", true, {Status::Found, 1, std::string(1, '\0')}, "No Version Info"},
        {"zero length", true, {Status::Found, 0, ""}, "No Version Info"},
        {"cut at the length", true, {Status::Found, 3, "5.0.2"}, "5.0"},
        {"cut at the zero", true, {Status::Found, 6, std::string("5.0\0xy", 6)}, "5.0"},
        {"two characters", true, {Status::Found, 2, std::string("5\0", 2)}, "5"},
    };
    TVersionLabel label;
    for (const auto& c : cases) {
        versionInfo.files.clear();
        if (c.fileHasData) {
            versionInfo.files["C:\\x.exe"][kOwnTable + "FileVersion"] = c.query;
        }
        EXPECT_EQ(label.GetInfoGeneral("C:\\x.exe", "080904E4"),
                  std::string("File Version: ") + c.value)
            << c.name;
    }
    EXPECT_EQ(versionInfo.queries.back(), "C:\\x.exe|\\StringFileInfo\\080904E4\\FileVersion");
}

}  // namespace
