#pragma once
// The text of a control in another program's window, read and replaced by message.

#include <windows.h>

#include <optional>
#include <string>

namespace maildriver {

// WM_GETTEXTLENGTH, then WM_GETTEXT; nothing when the window does not answer in time.
std::optional<std::string> GetControlText(HWND control);

// WM_SETTEXT; false when the window refuses or does not answer in time.
bool SetControlText(HWND control, const std::string& text);

}  // namespace maildriver
