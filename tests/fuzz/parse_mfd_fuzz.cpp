// Fuzzes the exchange-file reader with arbitrary texts, and the writer and reader together
// with records built from the same bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "core/MFDData.h"
#include "support/strutil.h"

namespace {

// A value as the reader leaves it: no CR, no blank or control character at either end.
bool IsReadValue(const std::string& value) {
    return value.find('\r') == std::string::npos && TrimBlanks(value) == value;
}

// Whatever the text, the body is everything after the first empty line, byte for byte, and
// every header value is one the reader could have produced.
void CheckParse(const std::string& text) {
    TMFDData data;
    ParseMFDText(text, data);
    const std::size_t split = text.find("\r\n\r\n");
    const std::string body = split == std::string::npos ? "" : text.substr(split + 4);
    FUZZ_CHECK(data.Body == body);
    FUZZ_CHECK(data.HasBody == !body.empty());
    FUZZ_CHECK(data.Wtype != 3);
    FUZZ_CHECK(data.HasTo == !data.To.empty());
    FUZZ_CHECK(data.HasCc == !data.Cc.empty());
    FUZZ_CHECK(data.HasBcc == !data.Bcc.empty());
    FUZZ_CHECK(data.HasSubject == !data.Subject.empty());
    FUZZ_CHECK(data.HasAttachment == !data.Attachment.empty());
    for (const std::string* value :
         {&data.Information, &data.Title, &data.Short, &data.To, &data.Cc, &data.Bcc,
          &data.Attachment, &data.Subject, &data.MFDState, &data.DefaultMailDomain}) {
        FUZZ_CHECK(IsReadValue(*value));
    }
}

// A single-line text without blanks or control characters at its ends: the kind of value
// that survives a write and a read.
std::string TidyText(FuzzedDataProvider& bytes) {
    std::string text = bytes.ConsumeRandomLengthString(64);
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return TrimBlanks(text);
}

void TakeFlaggedText(FuzzedDataProvider& bytes, std::string& text, bool& present) {
    text = TidyText(bytes);
    present = bytes.ConsumeBool();
}

TMFDData TidyRecord(FuzzedDataProvider& bytes) {
    TMFDData data;
    data.ProtocolVersion = bytes.ConsumeIntegral<std::int32_t>();
    data.WrapColumn = bytes.ConsumeIntegral<std::int32_t>();
    data.Wtype = bytes.ConsumeBool() ? 3 : bytes.ConsumeIntegral<std::int32_t>();
    data.Command = bytes.ConsumeIntegral<std::int32_t>();
    data.Lacking = bytes.ConsumeIntegral<std::int32_t>();
    data.Information = TidyText(bytes);
    data.Title = TidyText(bytes);
    data.Short = TidyText(bytes);
    TakeFlaggedText(bytes, data.To, data.HasTo);
    TakeFlaggedText(bytes, data.Cc, data.HasCc);
    TakeFlaggedText(bytes, data.Bcc, data.HasBcc);
    TakeFlaggedText(bytes, data.Subject, data.HasSubject);
    TakeFlaggedText(bytes, data.Attachment, data.HasAttachment);
    data.MFDState = TidyText(bytes);
    data.DefaultMailDomain = TidyText(bytes);
    data.HasBody = bytes.ConsumeBool();
    data.Body = bytes.ConsumeRemainingBytesAsString();
    return data;
}

// What the reader gives back for a tidy record: a driver's 3 reads as incoming, a text
// that was not written or is empty reads as absent.
void ExpectRead(std::string& text, bool& present) {
    if (!present) {
        text.clear();
    }
    present = !text.empty();
}

TMFDData AsRead(TMFDData data) {
    if (data.Wtype == 3) {
        data.Wtype = kWtypeIncoming;
    }
    ExpectRead(data.To, data.HasTo);
    ExpectRead(data.Cc, data.HasCc);
    ExpectRead(data.Bcc, data.HasBcc);
    ExpectRead(data.Subject, data.HasSubject);
    ExpectRead(data.Attachment, data.HasAttachment);
    ExpectRead(data.Body, data.HasBody);
    return data;
}

void CheckRoundTrip(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider provider(bytes, size);
    const TMFDData written = TidyRecord(provider);
    TMFDData read;
    ParseMFDText(MFDText(written), read);
    FUZZ_CHECK(read == AsRead(written));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    CheckParse(std::string(reinterpret_cast<const char*>(bytes), size));
    CheckRoundTrip(bytes, size);
    return 0;
}
