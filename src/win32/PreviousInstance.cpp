#include "win32/PreviousInstance.h"

#include <windows.h>

#include <utility>

#include "app/Startup.h"
#include "win32/props.h"

namespace {

// The mutex, and whether it existed already: the system says so only in the last error,
// which must be read before anything else can change it.
std::pair<HANDLE, bool> CreateInstanceMutex(const std::string& name) {
    const HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    return {mutex, GetLastError() == ERROR_ALREADY_EXISTS};
}

}  // namespace

TPreviousInstance::TPreviousInstance(const std::string& programFileName)
    : mutex_(nullptr), instanceName_(::InstanceName(programFileName)) {
    const auto [mutex, existed] = CreateInstanceMutex(InstanceMutexName(programFileName));
    mutex_.Reset(mutex);
    // A failed creation counts as no other copy.
    if (mutex_.Valid() && existed) {
        previous_ = true;
        mutex_.Close();
    }
}

void RaiseFirstCopy() {
    HWND first = FindWindowA(TfrmProps::kClassName, nullptr);
    if (first == nullptr || !IsWindowVisible(first)) {
        return;
    }
    if (IsIconic(first)) {
        ShowWindow(first, SW_RESTORE);
    } else {
        BringWindowToTop(first);
    }
}
