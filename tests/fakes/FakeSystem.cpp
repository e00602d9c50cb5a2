#include "fakes/FakeSystem.h"

#include <cstdio>
#include <stdexcept>

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

int ScriptedUser::Answer(bool okOnly) {
    if (answers.empty()) {
        if (okOnly) {
            return mrOk;
        }
        throw std::logic_error("a dialog that the test did not script: " + shown.back().text);
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

int ScriptedUser::MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                             int helpContext) {
    shown.push_back({kind, MsgDlgCaption(kind), text, buttons, 0, helpContext});
    return Answer(buttons == MsgDlgButtons{MsgDlgBtn::OK});
}

int ScriptedUser::AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) {
    shown.push_back({kind, "", text, {}, buttonFlags, 0});
    return Answer(buttonFlags == kMbOk);
}

WindowId FakeWindows::FindTopLevelByClass(const std::string& className) {
    auto it = byClass.find(className);
    return it == byClass.end() ? 0 : it->second;
}

void FakeWindows::SendCommand(WindowId w, unsigned id) {
    calls.push_back("SendCommand " + std::to_string(w) + " " + std::to_string(id));
    if (auto it = onCommand.find(w); it != onCommand.end()) {
        it->second(id);
    }
}
