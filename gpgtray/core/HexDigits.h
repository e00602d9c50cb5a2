#pragma once
// The escapes with which GnuPG writes bytes that its formats reserve: a marker and two
// hexadecimal digits ("%3A" in status lines, "\x3a" in key listings).

#include <string>
#include <string_view>

namespace gpgtray {

// The text with every marker followed by two hexadecimal digits replaced by that byte; a
// marker without them stays as it is.
std::string Unescaped(std::string_view text, std::string_view marker);

}  // namespace gpgtray
