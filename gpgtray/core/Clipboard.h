#pragma once
// The clipboard's text as the program sees it: UTF-8, whatever the system keeps.

#include <optional>
#include <string>

namespace gpgtray {

class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Empty when the clipboard holds no text; nothing when it cannot be opened.
    virtual std::optional<std::string> Text() = 0;
    // Replaces the clipboard's content by the text; false when that failed.
    virtual bool SetText(const std::string& utf8) = 0;
};

}  // namespace gpgtray
