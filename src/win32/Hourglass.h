#pragma once
// The screen cursor while the program works: the hourglass over the program's windows
// until it is turned off again.

#include <windows.h>

class Hourglass {
public:
    void Show(bool on);

    // For the program's window procedures: answers WM_SETCURSOR with the hourglass while it
    // is on. True when it did; the window procedure then returns TRUE.
    bool Keep(UINT message) const;

private:
    HCURSOR Cursor() const;

    bool on_ = false;
};
