#include "win32/Hourglass.h"

HCURSOR Hourglass::Cursor() const {
    return LoadCursorA(nullptr, on_ ? IDC_WAIT : IDC_ARROW);
}

void Hourglass::Show(bool on) {
    on_ = on;
    SetCursor(Cursor());
}

bool Hourglass::Keep(UINT message) const {
    if (message != WM_SETCURSOR || !on_) {
        return false;
    }
    SetCursor(Cursor());
    return true;
}
