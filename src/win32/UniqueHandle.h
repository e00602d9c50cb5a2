#pragma once
// Owns a kernel handle (file, process, mutex) and closes it when it goes out of scope.

#include <windows.h>

class UniqueHandle {
public:
    // Takes ownership; both null and INVALID_HANDLE_VALUE count as no handle, since the
    // system's functions return one or the other on failure.
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() { Close(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

    // Closes the handle held and takes this one.
    void Reset(HANDLE handle) {
        Close();
        handle_ = handle;
    }

    // Closes the handle now, for callers that must know whether closing succeeded; true
    // when there was nothing to close.
    bool Close() {
        const bool closed = !Valid() || CloseHandle(handle_) != 0;
        handle_ = nullptr;
        return closed;
    }

private:
    HANDLE handle_;
};
