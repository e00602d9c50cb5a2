#pragma once
// The system's 8-bit code page, in which the user types and the program's windows show
// text, against UTF-8, in which GnuPG takes and gives it.

#include <string>
#include <string_view>

namespace gpgtray {

class ICodePage {
public:
    virtual ~ICodePage() = default;
    virtual std::string ToUtf8(std::string_view text) const = 0;
    // Characters that the code page lacks become '?'.
    virtual std::string FromUtf8(std::string_view utf8) const = 0;
};

}  // namespace gpgtray
