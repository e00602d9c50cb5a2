#pragma once
// Times as GnuPG gives them and as the program shows them.

#include <optional>
#include <string>
#include <string_view>

namespace gpgtray {

// A time stamp of the status stream: seconds since 1970, or ISO 8601 "20200601T080000"
// when GnuPG is set to write those; nothing for anything else.
std::optional<long long> ParseGpgTime(std::string_view text);

// "2020-06-01", in UTC.
std::string DateText(long long secondsSince1970);

// "2020-06-01 08:00 UTC".
std::string DateTimeText(long long secondsSince1970);

}  // namespace gpgtray
