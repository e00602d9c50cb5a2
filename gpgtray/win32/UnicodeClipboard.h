#pragma once
// The clipboard's text in the system's Unicode form, so that a message in any language
// survives; programs that read the 8-bit form get it in the system's code page.

#include <windows.h>

#include "gpgtray/core/Clipboard.h"

namespace gpgtray {

class UnicodeClipboard : public IClipboard {
public:
    // owner: the window that owns what the program puts on the clipboard.
    explicit UnicodeClipboard(HWND owner) : owner_(owner) {}

    std::optional<std::string> Text() override;
    bool SetText(const std::string& utf8) override;

private:
    HWND owner_;
};

}  // namespace gpgtray
