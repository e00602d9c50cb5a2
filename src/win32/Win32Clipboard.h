#pragma once
// The clipboard's text (CF_TEXT), opened for each call and closed at once.

#include <windows.h>

#include "platform/Clipboard.h"

class Win32Clipboard : public IClipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    std::string Text() override;
    void SetText(const std::string& text) override;
    void Empty() override;
    unsigned SequenceNumber() override;

private:
    // The clipboard's owner while we replace its content: a message-only window of ours,
    // since content set under no owner is refused.
    HWND owner_;
};
