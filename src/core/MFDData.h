#pragma once
// The exchange file shared with the Mail Form Drivers, and its record.

#include <cstdint>
#include <string>

// Window-type bits of Wtype.
constexpr std::int32_t kWtypeOutgoing = 1;
constexpr std::int32_t kWtypePosting = 2;
constexpr std::int32_t kWtypeIncoming = 8;

constexpr const char* kExchangeFileName = "tmpmfd.tmp";

// One exchange file in memory.
struct TMFDData {
    std::int32_t ProtocolVersion = 0;
    std::string Information;
    std::int32_t Wtype = 0;
    std::string Title;
    std::string Short;
    std::string To;
    bool HasTo = false;
    std::string Cc;
    bool HasCc = false;
    std::string Bcc;
    bool HasBcc = false;
    std::string Attachment;
    bool HasAttachment = false;
    std::string Subject;
    bool HasSubject = false;
    std::string Body;
    bool HasBody = false;
    std::int32_t Command = 0;
    std::int32_t Lacking = 0;
    std::int32_t WrapColumn = 0;
    std::string DefaultMailDomain;
    std::string MFDState;

    bool operator==(const TMFDData&) const = default;
};

// Every text empty, every integer 0, every flag false.
void ClearMFDData(TMFDData& data);

// A header value as an integer: decimal with an optional sign, or hexadecimal after "$";
// 0 for anything else, and for values outside the 32-bit range.
std::int32_t MFDInteger(const std::string& value);

// Fills a cleared record from an exchange file's text. Never fails.
void ParseMFDText(const std::string& text, TMFDData& data);

// Reads the file at path into the record; an absent file leaves it cleared. A file that
// another program holds is tried again for about a second before the FileError passes on.
void ReadMFDFile(const std::string& path, TMFDData& data);

// The text that WriteMFDFile writes for a record.
std::string MFDText(const TMFDData& data);

// Writes the record's text to path, replacing the file. A failed write is reported as a
// warning and the caller goes on; false then.
bool WriteMFDFile(const TMFDData& data, const std::string& path);
