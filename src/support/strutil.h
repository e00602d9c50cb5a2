#pragma once
// Small byte-string helpers shared by the parsers.

#include <string>
#include <string_view>
#include <vector>

// S without its leading and trailing blanks and control characters (every byte up to 32).
std::string TrimBlanks(std::string_view s);

// S with the ASCII letters A to Z turned to lower case; every other byte unchanged.
std::string LowerAscii(std::string_view s);

// The lines of a text file as a list: lines end at CR LF, at a lone CR or at a lone LF;
// a line end at the very end gives no empty last line.
std::vector<std::string> SplitLines(std::string_view text);
