#include "win32/PreviousInstance.h"

#include <windows.h>

#include "app/Startup.h"
#include "win32/props.h"

TPreviousInstance::TPreviousInstance(const std::string& programFileName)
    : mutex_(CreateMutexA(nullptr, TRUE, programFileName.c_str())),
      instanceName_(::InstanceName(programFileName)) {
    // A failed creation counts as no other copy.
    if (mutex_.Valid() && GetLastError() == ERROR_ALREADY_EXISTS) {
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
