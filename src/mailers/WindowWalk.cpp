#include "mailers/WindowWalk.h"

#include "platform/Dialogs.h"
#include "platform/Platform.h"

namespace {

// Level 8 is as deep as a window may lie without the user being told.
constexpr int kDeepestQuiet = 7;

}  // namespace

// Without a window to start from there is nothing to walk, and the system is not asked.
void WindowWalk::Walk(WindowId start) {
    if (start == 0) {
        return;
    }
    IWindows& windows = *Os().windows;
    for (WindowId top = windows.FirstInZOrder(start); top != 0 && !Finished();
         top = windows.NextInZOrder(top)) {
        Visit(top);
        WalkDescendants(top);
    }
}

void WindowWalk::WalkDescendants(WindowId window) {
    IWindows& windows = *Os().windows;
    for (WindowId child = windows.FirstChild(window); child != 0;
         child = windows.NextInZOrder(child)) {
        Visit(child);
        ++depth_;
        WalkDescendants(child);
        --depth_;
        if (depth_ > kDeepestQuiet) {
            Os().dialogs->MessageDlg(kTooComplexWindows, MsgDlgType::Error, {MsgDlgBtn::Abort}, 0);
        }
    }
}
