#include "win32/Win32Clipboard.h"

#include <cstring>
#include <stdexcept>

namespace {

// Another program may hold the clipboard open for a moment (a clipboard viewer reading
// our new content, PGP's tray program writing its result): try again for about a second.
void OpenWithRetries(HWND owner) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (OpenClipboard(owner)) {
            return;
        }
        Sleep(20);
    }
    throw std::runtime_error("Cannot open clipboard");
}

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) { OpenWithRetries(owner); }
    ~OpenClipboardScope() { CloseClipboard(); }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
};

// The text of a CF_TEXT memory block: up to its first zero byte, never past its end.
std::string TextOfBlock(HGLOBAL block) {
    const auto* bytes = static_cast<const char*>(GlobalLock(block));
    if (!bytes) {
        return "";
    }
    std::string text(bytes, strnlen(bytes, GlobalSize(block)));
    GlobalUnlock(block);
    return text;
}

HGLOBAL BlockOfText(const std::string& text) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!block) {
        throw std::runtime_error("Out of memory for the clipboard");
    }
    auto* bytes = static_cast<char*>(GlobalLock(block));
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

}  // namespace

Win32Clipboard::Win32Clipboard()
    : owner_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), nullptr)) {}

Win32Clipboard::~Win32Clipboard() {
    if (owner_) {
        DestroyWindow(owner_);
    }
}

std::string Win32Clipboard::Text() {
    const OpenClipboardScope open(owner_);
    const HANDLE block = GetClipboardData(CF_TEXT);
    return block ? TextOfBlock(block) : std::string();
}

void Win32Clipboard::SetText(const std::string& text) {
    const OpenClipboardScope open(owner_);
    EmptyClipboard();
    const HGLOBAL block = BlockOfText(text);
    // The clipboard owns the block once it has taken it.
    if (!SetClipboardData(CF_TEXT, block)) {
        GlobalFree(block);
        throw std::runtime_error("Cannot set the clipboard's text");
    }
}

void Win32Clipboard::Empty() {
    const OpenClipboardScope open(owner_);
    EmptyClipboard();
}
