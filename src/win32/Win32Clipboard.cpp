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

HGLOBAL Block(const void* data, std::size_t size) {
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) {
        throw std::runtime_error("Out of memory for the clipboard");
    }
    std::memcpy(GlobalLock(block), data, size);
    GlobalUnlock(block);
    return block;
}

// The clipboard owns a block once it has taken it.
void Put(UINT format, HGLOBAL block) {
    if (!SetClipboardData(format, block)) {
        GlobalFree(block);
        throw std::runtime_error("Cannot set the clipboard's text");
    }
}

// A message's text must not outlive the run in the clipboard history, travel to the cloud
// clipboard or be copied by a clipboard monitor: Windows and the monitors honour these
// formats when they come with the text.
constexpr const char* kPrivacyFormats[] = {
    "ExcludeClipboardContentFromMonitorProcessing",
    "CanIncludeInClipboardHistory",
    "CanUploadToCloudClipboard",
};

void MarkPrivate() {
    const DWORD no = 0;
    for (const char* name : kPrivacyFormats) {
        Put(RegisterClipboardFormatA(name), Block(&no, sizeof no));
    }
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
    Put(CF_TEXT, Block(text.c_str(), text.size() + 1));
    MarkPrivate();
}

unsigned Win32Clipboard::SequenceNumber() {
    return GetClipboardSequenceNumber();
}

void Win32Clipboard::Empty() {
    const OpenClipboardScope open(owner_);
    EmptyClipboard();
}
