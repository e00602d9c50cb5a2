#include "bench/win/WaitLog.h"

#include <windows.h>

#include <sstream>
#include <stdexcept>
#include <utility>

#include "win32/UniqueHandle.h"

WaitLog::WaitLog(std::string path) : path_(std::move(path)) {
    SetEnvironmentVariableA("TERVANE_WAIT_LOG", path_.c_str());
}

void WaitLog::Clear() const {
    DeleteFileA(path_.c_str());
}

// Read with every sharing allowed: the program must be able to append while it is read.
std::string WaitLog::Text() const {
    const UniqueHandle file(CreateFileA(path_.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (file.Valid() && ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) &&
           read > 0) {
        text.append(buffer, read);
    }
    return text;
}

std::vector<WaitLog::Span> WaitLog::Read(const std::string& what) const {
    std::istringstream lines(Text());
    std::vector<Span> spans;
    Span span;
    while (lines >> span.what >> span.start >> span.end) {
        if (span.what == what) {
            spans.push_back(span);
        }
    }
    return spans;
}

int WaitLog::Count(const std::string& what) const {
    return static_cast<int>(Read(what).size());
}

long long WaitLog::Total(const std::string& what) const {
    long long total = 0;
    for (const Span& span : Read(what)) {
        total += span.end - span.start;
    }
    return total;
}

long long WaitLog::End(const std::string& what) const {
    const std::vector<Span> spans = Read(what);
    if (spans.empty()) {
        throw std::runtime_error("no " + what + " in the wait log");
    }
    return spans.back().end;
}
