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
    steady += milliseconds;
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
    if (auto it = windows.find(w); it != windows.end()) {
        ScreenRect& r = it->second.bounds;
        r = {left, top, left + r.Width(), top + r.Height()};
    }
}

const FakeWindows::Window& FakeWindows::Find(WindowId w) {
    static const Window kNone;
    windowZeroQuestions += w == 0 ? 1 : 0;
    auto it = windows.find(w);
    return it == windows.end() ? kNone : it->second;
}

void FakeWindows::Remove(WindowId w) {
    std::vector<WindowId>& siblings = zOrder[Find(w).parent];
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
    windows.erase(w);
    texts.erase(w);
    contents.erase(w);
    zOrder.erase(w);
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

const FakeWindows::Content& FakeWindows::ContentOf(WindowId w) {
    static const Content kNone;
    auto it = contents.find(w);
    return Exists(w) && it != contents.end() ? it->second : kNone;
}

bool FakeWindows::Exists(WindowId w) {
    Find(w);
    return windows.count(w) > 0;
}

WindowId FakeWindows::FirstInZOrder(WindowId w) {
    if (!Exists(w)) {
        return 0;
    }
    const std::vector<WindowId>& siblings = zOrder[windows.at(w).parent];
    return siblings.empty() ? 0 : siblings.front();
}

WindowId FakeWindows::NextInZOrder(WindowId w) {
    const std::vector<WindowId>& siblings = zOrder[Find(w).parent];
    auto it = std::find(siblings.begin(), siblings.end(), w);
    return it == siblings.end() || it + 1 == siblings.end() ? 0 : *(it + 1);
}

WindowId FakeWindows::FirstChild(WindowId w) {
    if (!Exists(w)) {
        return 0;
    }
    auto it = zOrder.find(w);
    return it == zOrder.end() || it->second.empty() ? 0 : it->second.front();
}

std::string FakeWindows::CaptionOf(WindowId w) {
    Find(w);
    auto it = texts.find(w);
    return it == texts.end() ? "" : it->second.caption;
}

std::string FakeWindows::ClassNameOf(WindowId w) {
    Find(w);
    auto it = texts.find(w);
    return it == texts.end() ? "" : it->second.className;
}

MenuId FakeWindows::MenuBarOf(WindowId w) {
    Find(w);
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

std::string FakeWindows::TextByMessage(WindowId w, int bufferChars) {
    calls.push_back("GetText " + std::to_string(w) + " " + std::to_string(bufferChars));
    return ContentOf(w).text.substr(0, static_cast<size_t>(std::max(bufferChars - 1, 0)));
}

CodePageText FakeWindows::UnicodeTextByMessage(WindowId w) {
    calls.push_back("GetUnicodeText " + std::to_string(w));
    const Content& c = ContentOf(w);
    return {c.text, c.textInCodePage};
}

void FakeWindows::SetTextByMessage(WindowId w, const std::string& text) {
    calls.push_back("SetText " + std::to_string(w) + " " + text);
    if (Exists(w)) {
        contents[w].text = text;
    }
}
