#pragma once
// Byte-string helpers of the stand-ins.

#include <string>
#include <string_view>

namespace standin {

// The text with A to Z in lower case; every other byte as it is.
std::string LowerAscii(std::string_view text);

// The text without the blanks and control characters (bytes up to 32) at either end.
std::string TrimBlanks(std::string_view text);

}  // namespace standin
