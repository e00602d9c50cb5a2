#include "win/NotificationArea.h"

#include <shellapi.h>

bool InTheNotificationArea(HWND window, UINT id) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = id;
    return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}
