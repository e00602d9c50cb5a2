#include "Clipboard.h"

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment (the sender has just put the text
// there): try for up to a second.
bool OpenClipboardPatiently(HWND owner) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

std::string TextOf(HANDLE data) {
    const char* locked = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!locked) {
        return {};
    }
    std::string text(locked, strnlen(locked, GlobalSize(data)));
    GlobalUnlock(data);
    return text;
}

HGLOBAL GlobalCopy(const std::string& text) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* locked = memory ? static_cast<char*>(GlobalLock(memory)) : nullptr;
    if (!locked) {
        return nullptr;
    }
    std::memcpy(locked, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    return memory;
}

}  // namespace

std::optional<std::string> ClipboardText(HWND owner) {
    if (!OpenClipboardPatiently(owner)) {
        return std::nullopt;
    }
    std::string text = TextOf(GetClipboardData(CF_TEXT));
    CloseClipboard();
    return text;
}

bool SetClipboardText(HWND owner, const std::string& text) {
    const HGLOBAL memory = GlobalCopy(text);
    if (!memory || !OpenClipboardPatiently(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool stored = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored) {
        // The clipboard took no ownership.
        GlobalFree(memory);
    }
    return stored;
}
