#include "fakes/FakeSystem.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

#include "support/error.h"

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

void FixedClock::Advance(int milliseconds) {
    using namespace std::chrono;
    const sys_days date = year{time.year} / month{static_cast<unsigned>(time.month)} /
                          day{static_cast<unsigned>(time.day)};
    const sys_time<std::chrono::milliseconds> moment =
        date + hours{time.hour} + minutes{time.minute} + seconds{time.second} +
        std::chrono::milliseconds{time.millisecond + milliseconds};
    const sys_days newDate = floor<days>(moment);
    const year_month_day ymd{newDate};
    const hh_mm_ss<std::chrono::milliseconds> clock{moment - newDate};
    time = {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count()),
            static_cast<int>(clock.seconds().count()),
            static_cast<int>(clock.subseconds().count())};
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
    shown.push_back({kind, MsgDlgCaption(kind), text, buttons, 0, helpContext, Checkpoint()});
    return Answer(buttons == MsgDlgButtons{MsgDlgBtn::OK});
}

int ScriptedUser::AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) {
    shown.push_back({kind, "", text, {}, buttonFlags, 0, Checkpoint()});
    return Answer(buttonFlags == kMbOk);
}

void FakeWindows::Add(WindowId w, WindowId parent, const std::string& caption,
                      const std::string& className) {
    windows[w].parent = parent;
    texts[w] = {caption, className};
    zOrder[parent].push_back(w);
}

WindowId FakeWindows::FirstInZOrder(WindowId w) {
    const std::vector<WindowId>& siblings = zOrder[windows.at(w).parent];
    return siblings.empty() ? 0 : siblings.front();
}

WindowId FakeWindows::NextInZOrder(WindowId w) {
    const std::vector<WindowId>& siblings = zOrder[windows.at(w).parent];
    auto it = std::find(siblings.begin(), siblings.end(), w);
    return it == siblings.end() || it + 1 == siblings.end() ? 0 : *(it + 1);
}

WindowId FakeWindows::FirstChild(WindowId w) {
    auto it = zOrder.find(w);
    return it == zOrder.end() || it->second.empty() ? 0 : it->second.front();
}

std::string FakeWindows::CaptionOf(WindowId w) {
    auto it = texts.find(w);
    return it == texts.end() ? "" : it->second.caption;
}

std::string FakeWindows::ClassNameOf(WindowId w) {
    auto it = texts.find(w);
    return it == texts.end() ? "" : it->second.className;
}

MenuId FakeWindows::MenuBarOf(WindowId w) {
    auto it = menuBars.find(w);
    return it == menuBars.end() ? 0 : it->second;
}

int FakeWindows::MenuItemCount(MenuId menu) {
    auto it = menus.find(menu);
    return it == menus.end() ? -1 : static_cast<int>(it->second.size());
}

// The item at the position of the menu, or nothing.
static const FakeWindows::MenuItem* ItemAt(
    const std::map<MenuId, std::vector<FakeWindows::MenuItem>>& menus, MenuId menu, int position) {
    auto it = menus.find(menu);
    if (it == menus.end() || position < 0 || position >= static_cast<int>(it->second.size())) {
        return nullptr;
    }
    return &it->second[static_cast<size_t>(position)];
}

std::string FakeWindows::MenuItemText(MenuId menu, int position) {
    const MenuItem* item = ItemAt(menus, menu, position);
    return item ? item->text : "";
}

MenuId FakeWindows::SubMenuAt(MenuId menu, int position) {
    const MenuItem* item = ItemAt(menus, menu, position);
    return item ? item->subMenu : 0;
}

unsigned FakeWindows::MenuItemIdAt(MenuId menu, int position) {
    const MenuItem* item = ItemAt(menus, menu, position);
    return item && item->subMenu == 0 ? item->id : kNoMenuItemId;
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
