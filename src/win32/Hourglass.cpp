#include "win32/Hourglass.h"

namespace {

bool hourglassOn = false;

HCURSOR CurrentCursor() {
    return LoadCursorA(nullptr, hourglassOn ? IDC_WAIT : IDC_ARROW);
}

}  // namespace

void ShowHourglass(bool on) {
    hourglassOn = on;
    SetCursor(CurrentCursor());
}

bool KeepHourglass(UINT message) {
    if (message != WM_SETCURSOR || !hourglassOn) {
        return false;
    }
    SetCursor(CurrentCursor());
    return true;
}
