#pragma once
// The clipboard's text (CF_TEXT) as the stand-in reads and replaces it.

#include <windows.h>

#include <optional>
#include <string>

// Empty when the clipboard holds no text; nothing when it cannot be opened.
std::optional<std::string> ClipboardText(HWND owner);

// Replaces the clipboard's contents by the text; false when that failed.
bool SetClipboardText(HWND owner, const std::string& text);
