#pragma once
// The text of an exchange file: "Key: value" lines with CR LF, then an empty line and the body.

#include <cstdint>
#include <string>
#include <string_view>

#include "ExchangeRecord.h"

namespace standin {

// The lines in the order the program expects them; the body without a line end added.
std::string ExchangeText(const ExchangeRecord& record);

// Keys are found at the start of a header line in any letter case; a value runs to the next
// CR and loses its blanks at both ends. A missing key, or one with no CR after it, is empty.
// The body is everything after the first empty line. A Wtype of 3 means an incoming message.
ExchangeRecord ParseExchangeText(std::string_view text);

// Decimal with an optional sign, or hexadecimal after "$" (32 bits, so "$FFFFFFFF" is -1);
// 0 for anything else and for what does not fit.
std::int32_t HeaderNumber(std::string_view value);

}  // namespace standin
