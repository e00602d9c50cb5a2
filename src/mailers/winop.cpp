#include "mailers/winop.h"

#include "platform/Platform.h"

namespace {

// A window's parent and grandparent, 0 where there is none.
struct Lineage {
    WindowId parent = 0;
    WindowId grandParent = 0;
};

Lineage LineageOf(IWindows& windows, WindowId w) {
    Lineage l;
    l.parent = windows.ParentOf(w);
    if (l.parent != 0) {
        l.grandParent = windows.ParentOf(l.parent);
    }
    return l;
}

// An absent ancestor has the empty caption; the system is not asked about it.
std::string CaptionOrEmpty(IWindows& windows, WindowId w) {
    return w == 0 ? std::string() : windows.CaptionOf(w);
}

// The ancestors' classes are checked first, then the captions and classes from the window
// outwards; the first failure ends the check.
bool WindowMatches(IWindows& windows, WindowId w, const WINDOW& p) {
    const Lineage l = LineageOf(windows, w);
    if (l.grandParent != 0 &&
        !MatchesStringer(windows.ClassNameOf(l.grandParent), p.Parent.GrandParent.ClassName)) {
        return false;
    }
    if (l.parent != 0 && !MatchesStringer(windows.ClassNameOf(l.parent), p.Parent.ClassName)) {
        return false;
    }
    return MatchesStringer(windows.CaptionOf(w), p.Caption) &&
           MatchesStringer(windows.ClassNameOf(w), p.ClassName) &&
           MatchesStringer(CaptionOrEmpty(windows, l.parent), p.Parent.Caption) &&
           MatchesStringer(CaptionOrEmpty(windows, l.grandParent), p.Parent.GrandParent.Caption);
}

// One search: the first match is kept.
class WindowSearch : public WindowWalk {
public:
    WindowSearch(IWindows& windows, const WINDOW& pattern) : windows_(windows), pattern_(pattern) {}

    WindowId Run(WindowId start) {
        Walk(start);
        return found_;
    }

private:
    void Visit(WindowId w) override {
        if (found_ == 0 && WindowMatches(windows_, w, pattern_)) {
            found_ = w;
        }
    }

    bool Finished() const override { return found_ != 0; }

    IWindows& windows_;
    const WINDOW& pattern_;
    WindowId found_ = 0;
};

}  // namespace

bool MatchesStringer(const std::string& text, const STRINGER& pattern) {
    if (!pattern.Contains.empty() && text.find(pattern.Contains) != std::string::npos) {
        return true;
    }
    if (!text.empty() && text == pattern.Exact) {
        return true;
    }
    return pattern.Exact.empty() && pattern.Contains.empty();
}

WindowId FindWindowByPattern(const WINDOW& pattern, WindowId start) {
    return WindowSearch(*Os().windows, pattern).Run(start);
}

std::string FindWindowCaption(const std::string& text, WindowId start) {
    WINDOW pattern;
    pattern.Caption.Contains = text;
    return CaptionOrEmpty(*Os().windows, FindWindowByPattern(pattern, start));
}

WindowId OutermostAncestor(WindowId window) {
    for (WindowId parent = Os().windows->ParentOf(window); parent != 0;
         parent = Os().windows->ParentOf(window)) {
        window = parent;
    }
    return window;
}
