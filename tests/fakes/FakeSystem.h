#pragma once
// Plain fakes of the small platform services: a fixed clock, a scripted user, the
// application, the system facts and a set of windows.

#include <map>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/System.h"
#include "platform/WindowApi.h"

// Always the same moment, formatted as dd/mm/yy and hh:mm:ss.
class FixedClock : public IClock {
public:
    LocalTime Now() override { return time; }
    std::string ShortDateText(const LocalTime& t) override;
    std::string LongTimeText(const LocalTime& t) override;

    LocalTime time{1998, 12, 6, 14, 3, 22, 500};
};

// A user who closes every box at once and remembers what each one said.
class ScriptedUser : public IDialogs {
public:
    struct Shown {
        MsgDlgType kind;
        std::string caption;
        std::string text;
    };
    void ShowOkMessage(MsgDlgType kind, const std::string& text) override {
        shown.push_back({kind, MsgDlgCaption(kind), text});
    }
    std::vector<Shown> shown;
};

class FakeApplication : public IApplication {
public:
    void Terminate() override { ++terminateRequests; }
    bool Terminating() const override { return terminateRequests > 0; }
    int terminateRequests = 0;
};

class FakeSystem : public ISystem {
public:
    std::vector<std::string> CommandLineArgs() override { return args; }
    OsVersion Version() override { return version; }
    std::string ShortPath(const std::string& path) override;

    std::vector<std::string> args;
    OsVersion version;
    std::map<std::string, std::string> shortPaths;  // long path -> short form
};

// Windows described by the test: each with a parent, a minimised state and bounds.
class FakeWindows : public IWindows {
public:
    struct Window {
        WindowId parent = 0;
        bool minimised = false;
        ScreenRect bounds;
    };
    bool IsMinimised(WindowId w) override { return windows.at(w).minimised; }
    WindowId ParentOf(WindowId w) override { return windows.at(w).parent; }
    ScreenRect Screen() override { return screen; }
    ScreenRect Bounds(WindowId w) override { return windows.at(w).bounds; }
    void MoveTo(WindowId w, int left, int top) override;

    std::map<WindowId, Window> windows;
    ScreenRect screen{0, 0, 1024, 768};
};
