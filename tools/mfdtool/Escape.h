#pragma once

#include <string>
#include <string_view>

// Text made printable on one line: "\\" for a backslash, "\r", "\n", "\t", and "\xhh" (two
// lower-case hex digits) for every other byte below 32 or above 126.
std::string EscapeText(std::string_view text);
