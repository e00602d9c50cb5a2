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

const TMFDData kCompose{.ProtocolVersion = 1,
                        .Information = "Demo Mail, compose window",
                        .Wtype = 1,
                        .Title = "Reply to the quarterly report",
                        .Short = "Demo Mail",
                        .To = "Bob <bob@example.org>, carol@example.org",
                        .HasTo = true,
                        .Cc = "team@lists.example.org",
                        .HasCc = true,
                        .Bcc = "archive@example.org",
                        .HasBcc = true,
                        .Attachment = "report.zip",
                        .HasAttachment = true,
                        .Subject = "Quarterly report",
                        .HasSubject = true,
                        .Body = "Dear Bob,\r\n\r\nthe numbers are attached.\r\n",
                        .HasBody = true,
                        .Command = -2,
                        .Lacking = 3,
                        .WrapColumn = 72,
                        .DefaultMailDomain = "example.org",
                        .MFDState = "composing"};

const TMFDData kWriteBack{
    .Body = "-----BEGIN PGP MESSAGE-----\r\nqANQR1DBwU4DZ2k=\r\n-----END PGP MESSAGE-----\r\n",
    .HasBody = true};

const TMFDData kDataAnswer{.Information = "Demo Mail (program driver)", .Short = "- Demo Mail"};

const GoldenFile kGoldenFiles[] = {
    {"compose.mfd", kCompose, kCompose},
    {"write-back.mfd", kWriteBack, kWriteBack},
    {"data-answer.mfd", kDataAnswer, kDataAnswer},
    // Present but empty, and set but absent: none of it comes back; 3 comes back as 8.
    {"empty-values.mfd",
     TMFDData{.Wtype = 3, .HasTo = true, .HasCc = true, .Subject = "Not written", .HasBody = true},
     TMFDData{.Wtype = 8}},
    {"driver-spelling.mfd", std::nullopt,
     TMFDData{.ProtocolVersion = 2,
              .Information = "Demo Mail, read window",
              .Wtype = 8,
              .To = "first@example.org",
              .HasTo = true,
              .Subject = "Hello",
              .HasSubject = true,
              .Body = "> quoted\r\n\r\nCc: in-the-body@example.org\r\n",
              .HasBody = true,
              .Command = 31,
              .WrapColumn = 76,
              .DefaultMailDomain = "example.org",
              .MFDState = "step 2"}},
    {"lf-only.mfd", std::nullopt, TMFDData{}},
    {"no-empty-line.mfd", std::nullopt, TMFDData{.Information = "Demo Mail", .Wtype = 8}},
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
