#pragma once
// An exchange file as a Mail Form Driver sees it: the values of its header lines and its body.

#include <cstdint>
#include <optional>
#include <string>

namespace standin {

// Window types a driver reports.
constexpr std::int32_t kWtypeOutgoing = 1;
constexpr std::int32_t kWtypeIncoming = 8;

struct ExchangeRecord {
    std::int32_t protocolVersion = 0;
    std::int32_t wrapColumn = 0;
    std::int32_t wtype = 0;
    std::string information;
    std::string title;      // no line when empty
    std::string shortText;  // no line when empty
    // The mail fields have a line only when present; an empty value reads back as absent.
    std::optional<std::string> to;
    std::optional<std::string> cc;
    std::optional<std::string> bcc;
    std::optional<std::string> subject;
    std::optional<std::string> attachment;
    std::int32_t command = 0;
    std::int32_t lacking = 0;
    std::string mfdState;
    std::string defaultMailDomain;
    // After the empty line, byte for byte; an empty body reads back as none.
    std::optional<std::string> body;

    bool operator==(const ExchangeRecord&) const = default;
};

}  // namespace standin
