// For a script that tests an installed copy: waits until a running Tervane 5 has both its
// icons in the notification area, prints their tips and ends with 0; ends with 1 when they do
// not come within the time limit.
//   WaitForTrayIcons.exe [TIMEOUT_MS, default 30000]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "win/NotificationArea.h"

namespace {

// The icon windows of Tervane 5 whose icons are in the notification area.
std::vector<HWND> IconsInTheArea() {
    std::vector<HWND> icons;
    for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, "TTaskIcon", nullptr));) {
        if (InTheNotificationArea(w)) {
            icons.push_back(w);
        }
    }
    return icons;
}

}  // namespace

int main(int argc, char** argv) {
    const DWORD timeoutMs = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 30000;
    const DWORD start = GetTickCount();
    std::vector<HWND> icons = IconsInTheArea();
    while (icons.size() < 2 && GetTickCount() - start < timeoutMs) {
        Sleep(100);
        icons = IconsInTheArea();
    }
    for (HWND icon : icons) {
        char tip[64] = "";
        GetWindowTextA(icon, tip, sizeof tip);
        std::printf("%s\n", tip);
    }
    return icons.size() == 2 ? 0 : 1;
}
