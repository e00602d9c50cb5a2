#pragma once
// Conversions between the system's code page, UTF-16 (the system's own text) and UTF-8.

#include <string>
#include <string_view>

#include "gpgtray/core/CodePage.h"

namespace gpgtray {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);

class SystemCodePage : public ICodePage {
public:
    std::string ToUtf8(std::string_view text) const override;
    std::string FromUtf8(std::string_view utf8) const override;
};

}  // namespace gpgtray
