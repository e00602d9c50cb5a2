#include "UnicodeClipboard.h"

#include <cstring>

#include "SystemCodePage.h"

namespace gpgtray {

namespace {

// The sender has just put the text there and may still hold the clipboard for a moment.
bool OpenPatiently(HWND owner) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner)) {
            return true;
        }
        Sleep(20);
    }
    return false;
}

template <typename Char>
std::basic_string<Char> TextOfBlock(HANDLE block) {
    const auto* chars = block ? static_cast<const Char*>(GlobalLock(block)) : nullptr;
    if (!chars) {
        return {};
    }
    const std::size_t capacity = GlobalSize(block) / sizeof(Char);
    std::size_t length = 0;
    while (length < capacity && chars[length] != 0) {
        ++length;
    }
    std::basic_string<Char> text(chars, length);
    GlobalUnlock(block);
    return text;
}

// Puts the bytes, with their terminating zero, on the clipboard in that format.
bool Put(UINT format, const void* bytes, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    void* locked = block ? GlobalLock(block) : nullptr;
    if (!locked) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(locked, bytes, size);
    GlobalUnlock(block);
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);  // the clipboard took no ownership
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> UnicodeClipboard::Text() {
    if (!OpenPatiently(owner_)) {
        return std::nullopt;
    }
    std::string text;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        text = Utf8FromWide(TextOfBlock<wchar_t>(GetClipboardData(CF_UNICODETEXT)));
    } else {
        text = SystemCodePage().ToUtf8(TextOfBlock<char>(GetClipboardData(CF_TEXT)));
    }
    CloseClipboard();
    return text;
}

// Both forms are put there, the 8-bit one as the system would make it: senders that read
// only that form find it at once, whatever the system makes of the Unicode one.
bool UnicodeClipboard::SetText(const std::string& utf8) {
    const std::wstring wide = WideFromUtf8(utf8);
    const std::string narrow = SystemCodePage().FromUtf8(utf8);
    if (!OpenPatiently(owner_)) {
        return false;
    }
    EmptyClipboard();
    const bool stored = Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)) &&
                        Put(CF_TEXT, narrow.c_str(), narrow.size() + 1);
    CloseClipboard();
    return stored;
}

}  // namespace gpgtray
