// The exchange format against files written by hand, byte for byte. The program and the
// stand-in drivers each have their own reader and writer; both must agree with the files, so
// a fault that a reader and its writer share cannot pass unseen.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>

#include "core/MFDData.h"
#include "standins/Common/ExchangeText.h"

// A record shows in a failure as the text that its own side writes for it.
static void PrintTo(const TMFDData& data, std::ostream* out) {
    *out << testing::PrintToString(MFDText(data));
}

namespace standin {
static void PrintTo(const ExchangeRecord& record, std::ostream* out) {
    *out << testing::PrintToString(ExchangeText(record));
}
}  // namespace standin

namespace {

struct GoldenFile {
    const char* name;
    std::optional<TMFDData> written;  // the record the file is the text of; none: only read
    TMFDData read;                    // what reading the file gives
};

TMFDData Compose() {
    TMFDData data;
    data.ProtocolVersion = 1;
    data.Information = "Demo Mail, compose window";
    data.Wtype = 1;
    data.Title = "Reply to the quarterly report";
    data.Short = "Demo Mail";
    data.To = "Bob <bob@example.org>, carol@example.org";
    data.HasTo = true;
    data.Cc = "team@lists.example.org";
    data.HasCc = true;
    data.Bcc = "archive@example.org";
    data.HasBcc = true;
    data.Attachment = "report.zip";
    data.HasAttachment = true;
    data.Subject = "Quarterly report";
    data.HasSubject = true;
    data.Body = "Dear Bob,\r\n\r\nthe numbers are attached.\r\n-- \r\nAlice\r\n";
    data.HasBody = true;
    data.Command = -2;
    data.Lacking = 3;
    data.WrapColumn = 72;
    data.DefaultMailDomain = "example.org";
    data.MFDState = "composing";
    return data;
}

TMFDData WriteBack() {
    TMFDData data;
    data.Body =
        "-----BEGIN PGP MESSAGE-----\r\nVersion: 5.0\r\n\r\nqANQR1DBwU4DZ2k=\r\n"
        "-----END PGP MESSAGE-----\r\n";
    data.HasBody = true;
    return data;
}

TMFDData DataAnswer() {
    TMFDData data;
    data.Information = "Demo Mail (program driver)";
    data.Short = "- Demo Mail";
    return data;
}

// Present but empty, and set but absent: none of it comes back.
TMFDData EmptyValues(std::int32_t wtype) {
    TMFDData data;
    data.Wtype = wtype;
    data.HasTo = true;
    data.HasCc = true;
    data.Subject = "Not written";
    data.HasBody = true;
    return data;
}

TMFDData DriverSpelling() {
    TMFDData data;
    data.ProtocolVersion = 2;
    data.Information = "Demo Mail, read window";
    data.Wtype = 8;
    data.To = "first@example.org";
    data.HasTo = true;
    data.Subject = "Hello";
    data.HasSubject = true;
    data.Body = "> quoted\r\n\r\nCc: in-the-body@example.org\r\n";
    data.HasBody = true;
    data.Command = 31;
    data.WrapColumn = 76;
    data.DefaultMailDomain = "example.org";
    data.MFDState = "step 2";
    return data;
}

TMFDData Only(std::int32_t wtype, const char* information) {
    TMFDData data;
    data.Wtype = wtype;
    data.Information = information;
    return data;
}

const GoldenFile kGoldenFiles[] = {
    {"compose.mfd", Compose(), Compose()},
    {"write-back.mfd", WriteBack(), WriteBack()},
    {"data-answer.mfd", DataAnswer(), DataAnswer()},
    {"empty-values.mfd", EmptyValues(3), Only(8, "")},
    {"driver-spelling.mfd", std::nullopt, DriverSpelling()},
    {"lf-only.mfd", std::nullopt, TMFDData{}},
    {"no-empty-line.mfd", std::nullopt, Only(8, "Demo Mail")},
};

std::string GoldenText(const char* name) {
    std::ifstream file(std::string(TERVANE_GOLDEN_DIR "/") + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::optional<std::string> IfPresent(bool present, const std::string& value) {
    return present ? std::optional(value) : std::nullopt;
}

// The same exchange file as a driver holds it.
standin::ExchangeRecord AsDriverRecord(const TMFDData& data) {
    return {data.ProtocolVersion,
            data.WrapColumn,
            data.Wtype,
            data.Information,
            data.Title,
            data.Short,
            IfPresent(data.HasTo, data.To),
            IfPresent(data.HasCc, data.Cc),
            IfPresent(data.HasBcc, data.Bcc),
            IfPresent(data.HasSubject, data.Subject),
            IfPresent(data.HasAttachment, data.Attachment),
            data.Command,
            data.Lacking,
            data.MFDState,
            data.DefaultMailDomain,
            IfPresent(data.HasBody, data.Body)};
}

TEST(ExchangeFormat, ProgramAndDriversWriteAndReadTheGoldenFiles) {
    for (const GoldenFile& golden : kGoldenFiles) {
        SCOPED_TRACE(golden.name);
        const std::string text = GoldenText(golden.name);
        if (golden.written) {
            EXPECT_EQ(MFDText(*golden.written), text);
            EXPECT_EQ(standin::ExchangeText(AsDriverRecord(*golden.written)), text);
        }
        TMFDData read;
        ParseMFDText(text, read);
        EXPECT_EQ(read, golden.read);
        EXPECT_EQ(standin::ParseExchangeText(text), AsDriverRecord(golden.read));
    }
}

}  // namespace
