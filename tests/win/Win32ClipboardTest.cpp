#include "win32/Win32Clipboard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace {

// Every byte value but zero, with line ends: the program's texts are 8-bit and pass
// unchanged.
std::string AllBytes() {
    std::string text;
    for (int b = 1; b < 256; ++b) {
        text += static_cast<char>(b);
        if (b % 32 == 0) {
            text += "\r\n";
        }
    }
    return text;
}

// The clipboard read and written through the system directly, so that a fault shared by
// our reader and writer cannot hide.
std::string SystemText() {
    if (!OpenClipboard(nullptr)) {
        return "<not opened>";
    }
    std::string text;
    if (const HANDLE block = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(block));
        GlobalUnlock(block);
    }
    CloseClipboard();
    return text;
}

void SetSystemText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

TEST(Win32Clipboard, SetTextPutsEveryByteOnTheClipboard) {
    Win32Clipboard().SetText(AllBytes());
    EXPECT_EQ(SystemText(), AllBytes());
}

TEST(Win32Clipboard, TextReadsEveryByteOfTheClipboard) {
    SetSystemText(AllBytes());
    EXPECT_EQ(Win32Clipboard().Text(), AllBytes());
}

TEST(Win32Clipboard, TextIsEmptyWhenTheClipboardHoldsNoText) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(Win32Clipboard().Text(), "");
}

// Another thread holds the clipboard open for a moment: the write waits for it instead of
// failing.
TEST(Win32Clipboard, SetTextWaitsWhileAnotherHolderHasItOpen) {
    const HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::jthread holder([opened] {
        // The system tells openers apart by their windows.
        const HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            nullptr, nullptr);
        OpenClipboard(window);
        SetEvent(opened);
        Sleep(200);
        CloseClipboard();
        DestroyWindow(window);
    });
    WaitForSingleObject(opened, INFINITE);
    CloseHandle(opened);
    const bool held = !OpenClipboard(nullptr);
    if (!held) {
        CloseClipboard();
    }
    ASSERT_TRUE(held) << "the clipboard should be held";
    Win32Clipboard().SetText("after the wait");
    holder.join();
    EXPECT_EQ(SystemText(), "after the wait");
}

}  // namespace
