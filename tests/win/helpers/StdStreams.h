#pragma once
// Whole writes and reads on the handles of the helper programs' streams.

#include <windows.h>

#include <string>
#include <string_view>

inline void WriteAll(HANDLE to, std::string_view bytes) {
    DWORD written = 0;
    while (!bytes.empty() &&
           WriteFile(to, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written > 0) {
        bytes.remove_prefix(written);
    }
}

inline std::string ReadAll(HANDLE from) {
    std::string bytes;
    char block[65536];
    DWORD read = 0;
    while (ReadFile(from, block, sizeof block, &read, nullptr) && read > 0) {
        bytes.append(block, read);
    }
    return bytes;
}
