#include "MailerWindows.h"

#include <string>

namespace maildriver {

namespace {

std::string CaptionOf(HWND window) {
    char caption[512] = "";
    GetWindowTextA(window, caption, sizeof caption);
    return caption;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Window class names are matched as the system registers them, ignoring letter case.
bool SameClass(const std::string& wanted, const std::string& className) {
    return lstrcmpiA(wanted.c_str(), className.c_str()) == 0;
}

bool Recognises(const WindowKind& kind, const std::string& caption, const std::string& className) {
    return !kind.caption.empty() && caption.find(kind.caption) != std::string::npos &&
           (kind.className.empty() || SameClass(kind.className, className));
}

struct ControlSearch {
    const ControlLocator* locator;
    int classMatches = 0;
    HWND found = nullptr;
};

BOOL CALLBACK VisitControl(HWND control, LPARAM lParam) {
    auto& search = *reinterpret_cast<ControlSearch*>(lParam);
    const ControlLocator& locator = *search.locator;
    if (locator.className.empty()) {
        if (GetDlgCtrlID(control) == locator.id) {
            search.found = control;
        }
    } else if (SameClass(locator.className, ClassOf(control)) &&
               ++search.classMatches == locator.index) {
        search.found = control;
    }
    return search.found == nullptr;
}

}  // namespace

std::optional<FoundWindow> FrontMailerWindow(const MailerLayout& layout, bool writableOnly) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        if (!IsWindowVisible(window)) {
            continue;
        }
        const std::string caption = CaptionOf(window);
        const std::string className = ClassOf(window);
        for (const WindowKind& kind : layout.windows) {
            if ((!writableOnly || kind.writable) && Recognises(kind, caption, className)) {
                return FoundWindow{window, &kind};
            }
        }
    }
    return std::nullopt;
}

HWND FindControl(HWND window, const ControlLocator& locator) {
    ControlSearch search{&locator};
    EnumChildWindows(window, VisitControl, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace maildriver
