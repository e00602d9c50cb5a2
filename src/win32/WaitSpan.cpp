#include "win32/WaitSpan.h"

#include <windows.h>

#include <string>

#include "win32/UniqueHandle.h"

namespace {

// Read once: the benchmark sets it before it starts the program.
const std::string& LogPath() {
    static const std::string path = [] {
        char buffer[MAX_PATH] = "";
        const DWORD length = GetEnvironmentVariableA("TERVANE_WAIT_LOG", buffer, sizeof buffer);
        return length > 0 && length < sizeof buffer ? std::string(buffer) : std::string();
    }();
    return path;
}

void AppendLine(const std::string& line) {
    const UniqueHandle file(CreateFileA(LogPath().c_str(), FILE_APPEND_DATA,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file.Valid()) {
        WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
}

}  // namespace

long long WaitSpan::NowMicroseconds() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return count.QuadPart / frequency.QuadPart * 1000000 +
           count.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

WaitSpan::WaitSpan(const char* what) : what_(what) {
    if (!LogPath().empty()) {
        start_ = NowMicroseconds();
    }
}

WaitSpan::~WaitSpan() {
    if (!LogPath().empty()) {
        const long long end = NowMicroseconds();
        AppendLine(std::string(what_) + " " + std::to_string(start_) + " " + std::to_string(end) +
                   "\r\n");
    }
}
