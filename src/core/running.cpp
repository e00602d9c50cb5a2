#include "core/running.h"

#include <algorithm>

#include "platform/Platform.h"

namespace {

constexpr int kMargin = 50;

// The lower bound is applied first: on a screen too small for both rules the edge rule wins.
int PlaceAxis(int cursor, int size, int screenSize) {
    int start = std::max(cursor, size + kMargin);
    if (start + size > screenSize - kMargin) {
        start = screenSize - kMargin - size;
    }
    return start;
}

}  // namespace

ScreenPoint RunningWindowPlace(ScreenPoint cursor, const ScreenRect& screen) {
    return {PlaceAxis(cursor.x, kRunningWidth, screen.Width()),
            PlaceAxis(cursor.y, kRunningHeight, screen.Height())};
}

std::unique_ptr<IProgressWindow> ShowRunningWindow() {
    const ScreenPoint place = RunningWindowPlace(Os().ui->CursorPos(), Os().windows->Screen());
    return Os().ui->ShowRunningWindow(place.x, place.y);
}
