#include "support/placefrm.h"

#include <cmath>

#include "platform/Platform.h"

// nearbyint rounds in the current rounding mode, which the program never changes from
// round-to-nearest-even.
int FractionOfFreeSpace(int freeSpace, double fraction) {
    return static_cast<int>(std::nearbyint(freeSpace * fraction));
}

void PlaceForm(WindowId form, double fractionX, double fractionY) {
    IWindows& windows = *Os().windows;
    const ScreenRect screen = windows.Screen();
    const ScreenRect bounds = windows.Bounds(form);
    windows.MoveTo(form, FractionOfFreeSpace(screen.Width() - bounds.Width(), fractionX),
                   FractionOfFreeSpace(screen.Height() - bounds.Height(), fractionY));
}
