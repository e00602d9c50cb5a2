#include "core/MFDData.h"

#include <gtest/gtest.h>

#include <limits>

#include "fakes/FakeOs.h"

namespace {

TMFDData Parsed(const std::string& text) {
    TMFDData data;
    data.Title = "left over";  // parsing starts from a cleared record
    data.HasBody = true;
    ParseMFDText(text, data);
    return data;
}

TEST(MFDInteger, ConvertsDecimalAndDollarHexAndNothingElse) {
    const struct {
        const char* value;
        std::int32_t expected;
    } cases[] = {
        {"", 0},
        {"42", 42},
        {"+7", 7},
        {"-13", -13},
        {"007", 7},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", 0},
        {"-2147483649", 0},
        {"99999999999999999999999", 0},
        {"$1F", 31},
        {"$ff", 255},
        {"$7FFFFFFF", std::numeric_limits<std::int32_t>::max()},
        {"$FFFFFFFF", -1},
        {"$80000000", std::numeric_limits<std::int32_t>::min()},
        {"$100000000", 0},
        {"$", 0},
        {"$G1", 0},
        {"-$10", 0},
        {"0x10", 0},
        {"+", 0},
        {"-", 0},
        {"+-1", 0},
        {"12a", 0},
        {"1 2", 0},
        {"eight", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MFDInteger(c.value), c.expected) << '"' << c.value << '"';
    }
}

TEST(ParseMFDText, ReadsEveryKeyInAnyLetterCaseWithBlanksDropped) {
    const TMFDData data = Parsed(
        "mfd-protocol-version: 2\r\nWRAP-COLUMN:\t76 \r\nWtype:9\r\nINFORMATION: Demo Mail\r\n"
        "Title: T\r\nShort:  Demo - Compose \r\nto: a@x\r\nCC: b@x\r\nBcc: c@x\r\n"
        "SUBJECT:   Hi there  \r\nAttachment: f.zip\r\nCommand: -3\r\nLacking: $10\r\n"
        "MFD-State: s1\r\nDEFAULT-mail-DOMAIN: x.org\r\n\r\nbody");
    TMFDData expected;
    expected.ProtocolVersion = 2;
    expected.WrapColumn = 76;
    expected.Wtype = 9;
    expected.Information = "Demo Mail";
    expected.Title = "T";
    expected.Short = "Demo - Compose";
    expected.To = "a@x";
    expected.HasTo = true;
    expected.Cc = "b@x";
    expected.HasCc = true;
    expected.Bcc = "c@x";
    expected.HasBcc = true;
    expected.Subject = "Hi there";
    expected.HasSubject = true;
    expected.Attachment = "f.zip";
    expected.HasAttachment = true;
    expected.Command = -3;
    expected.Lacking = 16;
    expected.MFDState = "s1";
    expected.DefaultMailDomain = "x.org";
    expected.Body = "body";
    expected.HasBody = true;
    EXPECT_EQ(data, expected);
}

TEST(ParseMFDText, TurnsADriversWtypeThreeIntoIncoming) {
    const struct {
        const char* line;
        std::int32_t expected;
    } cases[] = {
        {"Wtype: 3", kWtypeIncoming},
        {"WTYPE: 3", kWtypeIncoming},
        {"Wtype: $3", kWtypeIncoming},
        {"Wtype: 9", 9},
        {"Wtype: 2", 2},
        {"Wtype: three", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Parsed(std::string(c.line) + "\r\n").Wtype, c.expected) << c.line;
    }
}

TEST(ParseMFDText, FindsKeysOnlyAtLineStartsAndTakesTheFirst) {
    const TMFDData data =
        Parsed("X-To: wrong\r\nBcc: hidden\r\nTo: first\r\nTo: second\r\nReply-Cc: no\r\n\r\n");
    EXPECT_EQ(data.To, "first");
    EXPECT_EQ(data.Bcc, "hidden");
    EXPECT_FALSE(data.HasCc);
    EXPECT_EQ(data.Cc, "");
}

TEST(ParseMFDText, TakesAValueUpToTheFirstCrEvenAcrossLoneLineFeeds) {
    const TMFDData data = Parsed("To: a\nCc: b\r\n");
    EXPECT_EQ(data.To, "a\nCc: b");
    EXPECT_EQ(data.Cc, "b");
}

TEST(ParseMFDText, EmptyValuesAndValuesWithoutCrReadAsAbsent) {
    const TMFDData data = Parsed("To: \r\nSubject:\t\r\nWtype: 1\r\nCc: last");
    EXPECT_FALSE(data.HasTo);
    EXPECT_FALSE(data.HasSubject);
    EXPECT_FALSE(data.HasCc);
    EXPECT_EQ(data.Cc, "");
    EXPECT_EQ(data.Wtype, 1);
    EXPECT_FALSE(data.HasBody);
}

TEST(ParseMFDText, SplitsTheBodyAtTheFirstEmptyLineOnly) {
    const struct {
        const char* text;
        const char* body;
        bool hasBody;
    } cases[] = {
        {"Wtype: 1\r\n\r\nA\r\n\r\nTo: x\r\n", "A\r\n\r\nTo: x\r\n", true},
        {"Wtype: 1\r\n\r\n", "", false},
        {"Wtype: 1\r\n", "", false},
        {"\r\n\r\n  padded body \r\n", "  padded body \r\n", true},
        {"", "", false},
    };
    for (const auto& c : cases) {
        const TMFDData data = Parsed(c.text);
        EXPECT_EQ(data.Body, c.body) << c.text;
        EXPECT_EQ(data.HasBody, c.hasBody) << c.text;
        EXPECT_FALSE(data.HasTo) << c.text;
    }
}

TEST(ParseMFDText, ReadsAFileWithLoneLineFeedsAsAnEmptyRecord) {
    EXPECT_EQ(Parsed("Wtype: 1\nTo: a@x\nSubject: s\n\nbody\n"), TMFDData{});
}

TEST(ParseMFDText, KeepsATenMegabyteBodyByteForByte) {
    std::string body;
    body.reserve(10 * 1024 * 1024 + 256);
    while (body.size() < 10 * 1024 * 1024) {
        for (int b = 0; b < 256; ++b) {
            body += static_cast<char>(b);
        }
        body += "\r\n\r\nTo: inside@body\r\n";
    }
    const TMFDData data = Parsed("Wtype: 1\r\nTo: a@x\r\n\r\n" + body);
    EXPECT_TRUE(data.Body == body);
    EXPECT_EQ(data.To, "a@x");
}

TEST(MFDText, WritesTheLinesInOrderWithTheirConditions) {
    TMFDData data;
    data.ProtocolVersion = 1;
    data.WrapColumn = -72;
    data.Wtype = 2;
    data.Title = "T";
    data.To = "";
    data.HasTo = true;
    data.Cc = "c@x";
    data.HasCc = true;
    data.Subject = "not written";
    data.HasSubject = false;
    data.Attachment = "a.zip";
    data.HasAttachment = true;
    data.Command = 5;
    data.Lacking = 6;
    data.MFDState = "st";
    data.DefaultMailDomain = "x.org";
    EXPECT_EQ(MFDText(data),
              "MFD-Protocol-Version: 1\r\nWrap-Column: -72\r\nWtype: 2\r\nInformation: \r\n"
              "Title: T\r\nTo: \r\nCc: c@x\r\nAttachment: a.zip\r\nCommand: 5\r\nLacking: 6\r\n"
              "MFD-State: st\r\nDefault-Mail-Domain: x.org\r\n");
}

TEST(MFDText, WritesAWriteBackRecordAsHeaderEmptyLineAndResult) {
    TMFDData data;
    data.Body = "-----BEGIN PGP MESSAGE-----\r\nx\r\n-----END PGP MESSAGE-----";
    data.HasBody = true;
    EXPECT_EQ(MFDText(data),
              "MFD-Protocol-Version: 0\r\nWrap-Column: 0\r\nWtype: 0\r\nInformation: \r\n"
              "Command: 0\r\nLacking: 0\r\nMFD-State: \r\nDefault-Mail-Domain: \r\n\r\n" +
                  data.Body);
}

TEST(MFDText, ReadsBackWithTheReadersAsymmetries) {
    TMFDData data;
    data.Wtype = 3;
    data.To = "";
    data.HasTo = true;
    data.Subject = "dropped";
    data.Title = "  kept inside  ";
    data.HasBody = true;
    const TMFDData back = Parsed(MFDText(data));
    EXPECT_EQ(back.Wtype, kWtypeIncoming);
    EXPECT_FALSE(back.HasTo);
    EXPECT_FALSE(back.HasSubject);
    EXPECT_EQ(back.Subject, "");
    EXPECT_EQ(back.Title, "kept inside");
    EXPECT_FALSE(back.HasBody);
}

TEST(MFDText, RoundTripKeepsTidyRecords) {
    TMFDData full;
    full.ProtocolVersion = std::numeric_limits<std::int32_t>::min();
    full.Information = "Demo: Mail";
    full.Wtype = 9;
    full.Title = "Re: hi";
    full.Short = ">None<";
    full.To = "Alice <a@x>, b@x";
    full.HasTo = true;
    full.Cc = "c@x";
    full.HasCc = true;
    full.Bcc = "d@x";
    full.HasBcc = true;
    full.Attachment = "C:\\a b.zip";
    full.HasAttachment = true;
    full.Subject = "To: not a key";
    full.HasSubject = true;
    full.Body = "\r\n\r\nTo: x\r\n\x01\xff";
    full.HasBody = true;
    full.Command = std::numeric_limits<std::int32_t>::max();
    full.Lacking = -1;
    full.WrapColumn = 72;
    full.DefaultMailDomain = "x.org";
    full.MFDState = "state 1";

    TMFDData bare;
    bare.Wtype = kWtypeOutgoing;

    for (const TMFDData& data : {full, bare, TMFDData{}}) {
        EXPECT_EQ(Parsed(MFDText(data)), data) << MFDText(data);
    }
}

class MFDFileTest : public FakeOs {};

TEST_F(MFDFileTest, WritesAndReadsThroughTheFileSystem) {
    TMFDData data;
    data.Wtype = kWtypeOutgoing;
    data.To = "a@x";
    data.HasTo = true;
    data.Body = "text";
    data.HasBody = true;
    WriteMFDFile(data, "C:\\T\\tmpmfd.tmp");
    EXPECT_EQ(files.Content("C:\\T\\tmpmfd.tmp"), MFDText(data));

    TMFDData back;
    ReadMFDFile("C:\\T\\tmpmfd.tmp", back);
    EXPECT_EQ(back, data);
}

TEST_F(MFDFileTest, AnAbsentFileReadsAsAClearedRecord) {
    TMFDData data;
    data.Wtype = kWtypeIncoming;
    data.Body = "stale";
    data.HasBody = true;
    ReadMFDFile("C:\\T\\tmpmfd.tmp", data);
    EXPECT_EQ(data, TMFDData{});
}

TEST_F(MFDFileTest, AFailedWriteIsAWarningAndTheCallerGoesOn) {
    files.Put("C:\\T\\tmpmfd.tmp", "old");
    files.MakeReadOnly("C:\\T\\tmpmfd.tmp");
    TMFDData data;
    EXPECT_NO_THROW(WriteMFDFile(data, "C:\\T\\tmpmfd.tmp"));
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, MsgDlgType::Warning);
    EXPECT_NE(user.shown[0].text.find("WriteFileString:C:\\T\\tmpmfd.tmp"), std::string::npos);
    EXPECT_EQ(files.Content("C:\\T\\tmpmfd.tmp"), "old");
}

}  // namespace
