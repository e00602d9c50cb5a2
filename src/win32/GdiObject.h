#pragma once
// Owns a GDI object (font, bitmap, brush) and deletes it when it goes out of scope.

#include <windows.h>

template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
    ~GdiObject() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }

private:
    Handle handle_;
};
