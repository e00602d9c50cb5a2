#include "fakes/FakeSystem.h"

#include <cstdio>

std::string FixedClock::ShortDateText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", t.day, t.month, t.year % 100);
    return text;
}

std::string FixedClock::LongTimeText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

std::string FakeSystem::ShortPath(const std::string& path) {
    auto it = shortPaths.find(path);
    return it == shortPaths.end() ? std::string() : it->second;
}

void FakeWindows::MoveTo(WindowId w, int left, int top) {
    ScreenRect& r = windows.at(w).bounds;
    r = {left, top, left + r.Width(), top + r.Height()};
}
