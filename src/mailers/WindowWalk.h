#pragma once
// The walk over every window on the screen that the program's window searches share: the
// top-level windows in Z order from the topmost, each followed by its descendants, depth
// first, each window before its children. Hidden windows take part like visible ones.

#include "platform/WindowApi.h"

// The message shown for every window of a walk that lies nine or more levels below its
// top-level window.
constexpr const char* kTooComplexWindows =
    "Too many/Too complex windows currently open. Try closing some Applications";

class WindowWalk {
public:
    virtual ~WindowWalk() = default;

protected:
    // Walks the top-level windows from the topmost, found through `start` (one of the
    // program's own top-level windows; 0 walks nothing). Each deep window (see kTooComplexWindows)
    // is reported once its own descendants have been walked, and the walk goes on.
    void Walk(WindowId start);

    // Called for every window walked.
    virtual void Visit(WindowId window) = 0;

    // Asked before each top-level window: true ends the walk there. The descendants of the
    // top-level window being walked are walked to the end regardless.
    virtual bool Finished() const { return false; }

private:
    void WalkDescendants(WindowId window);

    int depth_ = 0;
};
