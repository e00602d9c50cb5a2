#pragma once
// The one-line requests that Mail Form Drivers receive on their command line:
// "Data File=PATH", "read File=PATH" and "Write File=PATH".

#include <string>
#include <utility>

namespace maildriver {

enum class RequestKind { None, Data, Read, Write, Unknown };

struct DriverRequest {
    RequestKind kind = RequestKind::None;
    std::string file;  // the exchange file's path
};

// The command line without the program's own name (quoted or not) and the blanks after it.
std::string CommandArguments(const std::string& commandLine);

// The text before the first blank, and the text after the blanks that follow it.
std::pair<std::string, std::string> SplitFirstWord(const std::string& text);

// The request's word is matched ignoring letter case. The path is everything after the
// first "File=" up to the end, trailing blanks dropped, so it reaches us unquoted. Empty
// text is None; a word we do not know, or a known word without a path, is Unknown.
DriverRequest ParseDriverRequest(const std::string& text);

}  // namespace maildriver
