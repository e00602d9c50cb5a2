#pragma once
// Finding other programs' windows by patterns for the captions and class names of the
// window, its parent and its grandparent; climbing to a window's outermost ancestor.

#include <string>

#include "mailers/WindowWalk.h"
#include "platform/WindowApi.h"

// One text pattern: a window text matches when it contains Contains (if that is set), or
// equals a non-empty Exact, or when both are empty. Letter case counts.
struct STRINGER {
    std::string Exact;
    std::string Contains;
};

struct GPWINDOW {
    STRINGER Caption;
    STRINGER ClassName;
};

struct PWINDOW {
    STRINGER Caption;
    STRINGER ClassName;
    GPWINDOW GrandParent;
};

// The pattern of a window: its own texts and those of its parent and grandparent. Fields
// left empty match every text.
struct WINDOW {
    STRINGER Caption;
    STRINGER ClassName;
    PWINDOW Parent;
};

bool MatchesStringer(const std::string& text, const STRINGER& pattern);

// The first window that matches, walking the top-level windows in Z order from the top
// (found through `start`, one of the program's own top-level windows), each window before
// its children; 0 for none.
WindowId FindWindowByPattern(const WINDOW& pattern, WindowId start);

// The caption of the first window whose caption contains `text`, searched from `start`
// (the program's main window); empty when none does.
std::string FindWindowCaption(const std::string& text, WindowId start);

// The last window reached by following the parents from `window`; the window itself when
// it has no parent.
WindowId OutermostAncestor(WindowId window);
