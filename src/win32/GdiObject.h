#pragma once
// Owners of GDI objects, icons and device contexts: each releases what it holds when it
// goes out of scope.

#include <windows.h>

#include <utility>

// Owns a handle and releases it with Release, which the system gives for that kind.
template <typename Handle, auto Release>
class OwnedHandle {
public:
    explicit OwnedHandle(Handle handle = nullptr) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other) {
            Reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }

    // Releases the handle held and takes this one.
    void Reset(Handle handle = nullptr) {
        if (handle_) {
            Release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_;
};

// A font, bitmap, brush or pen.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, DeleteObject>;

// An icon made or copied by the program (not a shared one loaded from resources).
using OwnedIcon = OwnedHandle<HICON, DestroyIcon>;

// The device context of a window's client area, or of the screen for no window.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context compatible with another one, for drawing into a bitmap.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() { DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context for as long as this lives; the one it replaced
// goes back afterwards.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};
