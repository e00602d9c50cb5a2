#include "ExchangeText.h"

#include <charconv>
#include <utility>

#include "ByteText.h"

namespace standin {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kEmptyLine = "\r\n\r\n";

void AddLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append(": ").append(value).append(kLineEnd);
}

void AddNumber(std::string& text, std::string_view key, std::int32_t value) {
    AddLine(text, key, std::to_string(value));
}

void AddIfPresent(std::string& text, std::string_view key,
                  const std::optional<std::string>& value) {
    if (value) {
        AddLine(text, key, *value);
    }
}

void AddIfNotEmpty(std::string& text, std::string_view key, const std::string& value) {
    if (!value.empty()) {
        AddLine(text, key, value);
    }
}

// The header lines, searched as the program searches them: a line feed is put in front so
// that the first line starts like every other.
class Header {
public:
    explicit Header(std::string_view text)
        : text_("\n" + std::string(text)), lower_(LowerAscii(text_)) {}

    std::string Value(std::string_view key) const {
        const auto at = lower_.find("\n" + LowerAscii(key) + ":");
        if (at == std::string::npos) {
            return {};
        }
        const auto start = at + key.size() + 2;
        const auto cr = text_.find('\r', start);
        if (cr == std::string::npos) {
            return {};
        }
        return TrimBlanks(std::string_view(text_).substr(start, cr - start));
    }

    std::optional<std::string> Present(std::string_view key) const {
        std::string value = Value(key);
        return value.empty() ? std::nullopt : std::optional(std::move(value));
    }

    std::int32_t Number(std::string_view key) const { return HeaderNumber(Value(key)); }

private:
    std::string text_;
    std::string lower_;
};

}  // namespace

std::string ExchangeText(const ExchangeRecord& record) {
    std::string text;
    AddNumber(text, "MFD-Protocol-Version", record.protocolVersion);
    AddNumber(text, "Wrap-Column", record.wrapColumn);
    AddNumber(text, "Wtype", record.wtype);
    AddLine(text, "Information", record.information);
    AddIfNotEmpty(text, "Title", record.title);
    AddIfNotEmpty(text, "Short", record.shortText);
    AddIfPresent(text, "To", record.to);
    AddIfPresent(text, "Cc", record.cc);
    AddIfPresent(text, "Bcc", record.bcc);
    AddIfPresent(text, "Subject", record.subject);
    AddIfPresent(text, "Attachment", record.attachment);
    AddNumber(text, "Command", record.command);
    AddNumber(text, "Lacking", record.lacking);
    AddLine(text, "MFD-State", record.mfdState);
    AddLine(text, "Default-Mail-Domain", record.defaultMailDomain);
    if (record.body) {
        text.append(kLineEnd).append(*record.body);
    }
    return text;
}

ExchangeRecord ParseExchangeText(std::string_view text) {
    ExchangeRecord record;
    const auto split = text.find(kEmptyLine);
    if (split != std::string_view::npos && split + kEmptyLine.size() < text.size()) {
        record.body = std::string(text.substr(split + kEmptyLine.size()));
    }
    // The header keeps the empty line: the CR that ends its last value is part of it.
    const Header header(
        split == std::string_view::npos ? text : text.substr(0, split + kEmptyLine.size()));
    record.protocolVersion = header.Number("MFD-Protocol-Version");
    record.wrapColumn = header.Number("Wrap-Column");
    record.wtype = header.Number("Wtype");
    record.information = header.Value("Information");
    record.title = header.Value("Title");
    record.shortText = header.Value("Short");
    record.to = header.Present("To");
    record.cc = header.Present("Cc");
    record.bcc = header.Present("Bcc");
    record.subject = header.Present("Subject");
    record.attachment = header.Present("Attachment");
    record.command = header.Number("Command");
    record.lacking = header.Number("Lacking");
    record.mfdState = header.Value("MFD-State");
    record.defaultMailDomain = header.Value("Default-Mail-Domain");
    // Drivers report an incoming message as 3.
    if (record.wtype == 3) {
        record.wtype = kWtypeIncoming;
    }
    return record;
}

std::int32_t HeaderNumber(std::string_view value) {
    const bool hex = value.starts_with('$');
    const bool negative = value.starts_with('-');
    if (hex || negative || value.starts_with('+')) {
        value.remove_prefix(1);
    }
    // Unsigned, so that a second sign is refused.
    std::uint64_t magnitude = 0;
    const char* end = value.data() + value.size();
    const auto parsed = std::from_chars(value.data(), end, magnitude, hex ? 16 : 10);
    if (parsed.ec != std::errc() || parsed.ptr != end) {
        return 0;
    }
    if (hex) {
        return magnitude <= 0xFFFFFFFFu
                   ? static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude))
                   : 0;
    }
    if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) {
        return 0;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

}  // namespace standin
