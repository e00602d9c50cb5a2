#include "win32/ModulePath.h"

#include <windows.h>

std::string OwnExecutablePath() {
    char path[MAX_PATH] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    // A path cut short by the buffer is no path.
    return length < sizeof path ? std::string(path, length) : std::string();
}
