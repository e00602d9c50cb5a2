#pragma once
// Plain text helpers: lines, line ends, UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace gpgtray {

// The lines of the text without their LF or CR LF ends; a final line end starts no line.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text with every line end as Windows keeps text: CR LF. GnuPG writes LF alone on some
// systems and CR LF on others.
std::string WithCrLf(std::string_view text);

bool IsValidUtf8(std::string_view text);

// Whether the text holds the part, ignoring the case of ASCII letters.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

}  // namespace gpgtray
