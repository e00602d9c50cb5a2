#include "demo/Screenshot.h"

#include <windows.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

// Rows of a 24-bit bitmap are padded to whole DWORDs.
int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

bool WriteBmp(const std::string& path, int width, int height, const std::vector<BYTE>& pixels) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                         std::fwrite(&info, sizeof info, 1, out) == 1 &&
                         std::fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    return std::fclose(out) == 0 && written;
}

// The whole screen as the rows of a 24-bit bitmap; empty when it cannot be read.
std::vector<BYTE> ScreenPixels(int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<BYTE> pixels(static_cast<size_t>(RowBytes(width)) * static_cast<size_t>(height));
    const bool read = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                                DIB_RGB_COLORS) == height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read ? pixels : std::vector<BYTE>{};
}

BOOL CALLBACK NoteWaitingForPaint(HWND window, LPARAM waiting) {
    if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(waiting) = true;
    }
    return TRUE;
}

BOOL CALLBACK NoteTopLevelWaitingForPaint(HWND window, LPARAM waiting) {
    NoteWaitingForPaint(window, waiting);
    EnumChildWindows(window, NoteWaitingForPaint, waiting);
    return TRUE;
}

// Some visible window, of any program, has a part that it has yet to paint.
bool AWindowWaitsForPaint() {
    bool waiting = false;
    EnumWindows(NoteTopLevelWaitingForPaint, reinterpret_cast<LPARAM>(&waiting));
    return waiting;
}

}  // namespace

bool WaitUntilPainted(const std::function<void()>& meanwhile) {
    constexpr int kLooks = 250;
    constexpr DWORD kPauseMs = 20;
    for (int look = 0; look < kLooks; ++look) {
        if (meanwhile) {
            meanwhile();
        }
        if (!AWindowWaitsForPaint()) {
            GdiFlush();
            return true;
        }
        Sleep(kPauseMs);
    }
    return false;
}

// Wine hands what windows painted to the display a little later: the screen is taken once
// two looks a moment apart see the same, or after a while.
bool SaveScreenshot(const std::string& path) {
    constexpr int kLooks = 25;
    constexpr DWORD kPauseMs = 200;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    WaitUntilPainted();
    std::vector<BYTE> pixels = ScreenPixels(width, height);
    for (int look = 1; look < kLooks; ++look) {
        Sleep(kPauseMs);
        std::vector<BYTE> again = ScreenPixels(width, height);
        const bool settled = again == pixels;
        pixels = std::move(again);
        if (settled) {
            break;
        }
    }
    return !pixels.empty() && WriteBmp(path, width, height, pixels);
}
