#include "core/MFDData.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <string_view>

#include "platform/FileError.h"
#include "platform/Platform.h"
#include "platform/UserInterface.h"
#include "support/fileutil.h"
#include "support/strutil.h"

namespace {

constexpr std::string_view kHeaderEnd = "\r\n\r\n";

// A sharing violation is tried again this often, with this wait in between: about a second.
constexpr int kReadAttempts = 10;
constexpr int kReadRetryWait = 100;

// A driver's 3 names a received message; the program only knows the incoming bit.
constexpr std::int32_t kWtypeDriverIncoming = 3;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "$" and hex digits: any value that fits 32 bits is taken as the bit pattern, so
// "$FFFFFFFF" is -1.
std::int32_t HexInteger(std::string_view digits) {
    if (digits.empty()) {
        return 0;
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return 0;
        }
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > std::numeric_limits<std::uint32_t>::max()) {
            return 0;
        }
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t DecimalInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return 0;
    }
    // One past the largest magnitude, so that the negative end of the range fits.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > kLimit) {
            return 0;
        }
    }
    if (!negative && magnitude == kLimit) {
        return 0;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

// The header with one LF in front, so that the first line starts after an LF like every
// other, and its lower-case twin for the key search.
class Header {
public:
    explicit Header(std::string_view text)
        : text_(WithLeadingLf(text)), lower_(LowerAscii(text_)) {}

    // The value of the first line that starts with key (letter case ignored): the text after
    // the key up to the next CR, trimmed. Empty when the key is absent or no CR follows it.
    std::string Value(std::string_view key) const {
        // Horspool's skip keeps a header of nothing but line feeds linear too.
        const std::string needle = "\n" + LowerAscii(key);
        const auto found =
            std::search(lower_.begin(), lower_.end(),
                        std::boyer_moore_horspool_searcher(needle.begin(), needle.end()));
        if (found == lower_.end()) {
            return {};
        }
        const std::size_t at = static_cast<std::size_t>(found - lower_.begin());
        const std::size_t start = at + 1 + key.size();
        const std::size_t cr = text_.find('\r', start);
        if (cr == std::string::npos) {
            return {};
        }
        return TrimBlanks(std::string_view(text_).substr(start, cr - start));
    }

    std::int32_t Integer(std::string_view key) const { return MFDInteger(Value(key)); }

    // Fills text and flag: the flag tells whether a value was found.
    void Text(std::string_view key, std::string& text, bool& present) const {
        text = Value(key);
        present = !text.empty();
    }

private:
    static std::string WithLeadingLf(std::string_view text) {
        std::string withLf;
        withLf.reserve(text.size() + 1);
        withLf.append(1, '\n').append(text);
        return withLf;
    }

    std::string text_;
    std::string lower_;
};

void ParseHeader(const Header& header, TMFDData& data) {
    data.ProtocolVersion = header.Integer("MFD-Protocol-Version:");
    data.WrapColumn = header.Integer("Wrap-Column:");
    data.Wtype = header.Integer("Wtype:");
    data.Command = header.Integer("Command:");
    data.Lacking = header.Integer("Lacking:");
    data.Information = header.Value("information:");
    data.Title = header.Value("title:");
    data.Short = header.Value("short:");
    header.Text("to:", data.To, data.HasTo);
    header.Text("cc:", data.Cc, data.HasCc);
    header.Text("bcc:", data.Bcc, data.HasBcc);
    header.Text("subject:", data.Subject, data.HasSubject);
    header.Text("attachment:", data.Attachment, data.HasAttachment);
    data.MFDState = header.Value("mfd-state:");
    data.DefaultMailDomain = header.Value("Default-Mail-Domain:");
    if (data.Wtype == kWtypeDriverIncoming) {
        data.Wtype = kWtypeIncoming;
    }
}

void AppendLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append(": ").append(value).append("\r\n");
}

void AppendLine(std::string& text, std::string_view key, std::int32_t value) {
    AppendLine(text, key, std::to_string(value));
}

void AppendLineIf(bool present, std::string& text, std::string_view key, std::string_view value) {
    if (present) {
        AppendLine(text, key, value);
    }
}

}  // namespace

void ClearMFDData(TMFDData& data) {
    data = TMFDData{};
}

std::int32_t MFDInteger(const std::string& value) {
    if (!value.empty() && value[0] == '$') {
        return HexInteger(std::string_view(value).substr(1));
    }
    return DecimalInteger(value);
}

void ParseMFDText(const std::string& text, TMFDData& data) {
    ClearMFDData(data);
    // Only the first empty line splits: the body may hold empty lines of its own.
    const std::size_t split = text.find(kHeaderEnd);
    const std::size_t headerSize =
        split == std::string::npos ? text.size() : split + kHeaderEnd.size();
    ParseHeader(Header(std::string_view(text).substr(0, headerSize)), data);
    data.Body = text.substr(headerSize);
    data.HasBody = !data.Body.empty();
}

// A virus scanner or an indexer may hold the file for a moment after the driver wrote it;
// only when it holds the file for longer does the read fail.
void ReadMFDFile(const std::string& path, TMFDData& data) {
    for (int attempt = 1;; ++attempt) {
        try {
            ParseMFDText(ReadFileString(path), data);
            return;
        } catch (const FileError& e) {
            if (e.Code() != kErrorSharingViolation || attempt == kReadAttempts) {
                throw;
            }
        }
        Os().ui->WaitForMessages(kReadRetryWait);
    }
}

std::string MFDText(const TMFDData& data) {
    std::string text;
    AppendLine(text, "MFD-Protocol-Version", data.ProtocolVersion);
    AppendLine(text, "Wrap-Column", data.WrapColumn);
    AppendLine(text, "Wtype", data.Wtype);
    AppendLine(text, "Information", data.Information);
    AppendLineIf(!data.Title.empty(), text, "Title", data.Title);
    AppendLineIf(!data.Short.empty(), text, "Short", data.Short);
    AppendLineIf(data.HasTo, text, "To", data.To);
    AppendLineIf(data.HasCc, text, "Cc", data.Cc);
    AppendLineIf(data.HasBcc, text, "Bcc", data.Bcc);
    AppendLineIf(data.HasSubject, text, "Subject", data.Subject);
    AppendLineIf(data.HasAttachment, text, "Attachment", data.Attachment);
    AppendLine(text, "Command", data.Command);
    AppendLine(text, "Lacking", data.Lacking);
    AppendLine(text, "MFD-State", data.MFDState);
    AppendLine(text, "Default-Mail-Domain", data.DefaultMailDomain);
    if (data.HasBody) {
        text.append("\r\n").append(data.Body);
    }
    return text;
}

bool WriteMFDFile(const TMFDData& data, const std::string& path) {
    return WriteFileString(path, MFDText(data));
}
