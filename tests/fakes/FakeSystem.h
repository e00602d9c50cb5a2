#pragma once
// Plain fakes of the small platform services: a fixed clock, a scripted user, the
// application, the system facts and a set of windows.

#include <deque>
#include <functional>
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
    std::int64_t SteadyMilliseconds() override { return steady; }
    std::string ShortDateText(const LocalTime& t) override;
    std::string LongTimeText(const LocalTime& t) override;

    // Moves both clocks on, the local one carrying into seconds, minutes, hours and days.
    void Advance(int milliseconds);

    LocalTime time{1998, 12, 6, 14, 3, 22, 500};
    std::int64_t steady = 0;
};

// A user who answers each dialog with the next scripted answer and remembers what each one
// said. A dialog with only an OK button needs no script; any other unscripted dialog fails
// the test.
class ScriptedUser : public IDialogs {
public:
    struct Shown {
        MsgDlgType kind;
        std::string caption;  // the standard dialog's caption; empty for the application box
        std::string text;
        MsgDlgButtons buttons;  // the standard dialog's buttons
        unsigned boxFlags = 0;  // the application box's button flags
        int helpContext = 0;
        int checkpoint = 0;  // Checkpoint as the dialog opened
    };
    int MessageDlg(const std::string& text, MsgDlgType kind, MsgDlgButtons buttons,
                   int helpContext) override;
    int AppMessageBox(const std::string& text, MsgDlgType kind, unsigned buttonFlags) override;
    std::string SaveFileName(const SaveDialogOptions& options) override {
        saveDialogs.push_back(options);
        return savedFileName;
    }

    std::deque<int> answers;
    std::vector<Shown> shown;
    std::vector<SaveDialogOptions> saveDialogs;
    std::string savedFileName;  // the save dialog's answer; empty: Cancel

private:
    int Answer(bool okOnly);
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
    std::string LocalAppDataFolder() override { return localAppData; }

    std::vector<std::string> args;
    std::string localAppData = "C:\\Users\\Jo Smith\\AppData\\Local";
    OsVersion version;
    std::map<std::string, std::string> shortPaths;  // long path -> short form
};

// Windows described by the test: each with a parent, a minimised state, bounds, a caption
// and a class name. Windows added with Add also stand in the Z order of their siblings.
class FakeWindows : public IWindows {
public:
    struct Window {
        WindowId parent = 0;
        bool minimised = false;
        ScreenRect bounds;
    };
    // What a window answers about its style and text.
    struct Content {
        std::uint32_t style = 0;
        bool unicode = false;
        std::string text;            // what WM_GETTEXT gives
        bool textInCodePage = true;  // whether a Unicode read converts it exactly
    };
    struct Texts {
        std::string caption;
        std::string className;
    };
    // Adds a window below its existing siblings in the Z order (parent 0: top-level).
    void Add(WindowId w, WindowId parent, const std::string& caption, const std::string& className);
    // The window is destroyed: from now on it answers as no window does.
    void Remove(WindowId w);

    // Window 0 and a window that does not exist give the empty answers; a question about
    // window 0 is counted as well, since the program must never put one to the system.
    bool IsMinimised(WindowId w) override { return Find(w).minimised; }
    WindowId ParentOf(WindowId w) override { return Find(w).parent; }
    WindowId FirstInZOrder(WindowId w) override;
    WindowId NextInZOrder(WindowId w) override;
    WindowId FirstChild(WindowId w) override;
    std::string CaptionOf(WindowId w) override;
    std::string ClassNameOf(WindowId w) override;
    MenuId MenuBarOf(WindowId w) override;
    int MenuItemCount(MenuId menu) override;
    std::string MenuItemText(MenuId menu, int position) override;
    MenuId SubMenuAt(MenuId menu, int position) override;
    unsigned MenuItemIdAt(MenuId menu, int position) override;
    ScreenRect Screen() override { return screen; }
    ScreenRect Bounds(WindowId w) override { return Find(w).bounds; }
    void MoveTo(WindowId w, int left, int top) override;
    WindowId FindTopLevelByClass(const std::string& className) override;
    void SetForeground(WindowId w) override {
        calls.push_back("SetForeground " + std::to_string(w));
    }
    void BringToTop(WindowId w) override { calls.push_back("BringToTop " + std::to_string(w)); }
    void SendCommand(WindowId w, unsigned id) override;
    std::uint32_t StyleOf(WindowId w) override { return ContentOf(w).style; }
    bool IsUnicode(WindowId w) override { return ContentOf(w).unicode; }
    int TextLength(WindowId w) override { return static_cast<int>(ContentOf(w).text.size()); }
    std::string TextByMessage(WindowId w, int bufferChars) override;
    CodePageText UnicodeTextByMessage(WindowId w) override;
    void SetTextByMessage(WindowId w, const std::string& text) override;

    std::map<WindowId, Window> windows;
    std::map<WindowId, Content> contents;
    ScreenRect screen{0, 0, 1024, 768};
    std::map<std::string, WindowId> byClass;  // top-level windows by class name
    struct MenuItem {
        std::string text;
        unsigned id = 0;     // its command, for an item that opens no submenu
        MenuId subMenu = 0;  // the submenu it opens
    };
    std::map<WindowId, MenuId> menuBars;
    std::map<MenuId, std::vector<MenuItem>> menus;
    std::map<WindowId, Texts> texts;  // the windows' captions and class names
    // Each parent's children from the top of the Z order down (0: the top-level windows).
    std::map<WindowId, std::vector<WindowId>> zOrder;
    // What a window's program does when it handles a command (identifier given).
    std::map<WindowId, std::function<void(unsigned)>> onCommand;
    // "SetForeground 5", "BringToTop 5", "SendCommand 5 40017", "SetText 5 <text>",
    // "GetText 5 <buffer size>", "GetUnicodeText 5"
    std::vector<std::string> calls;
    int windowZeroQuestions = 0;

private:
    // The window's record; an empty one for no window.
    const Window& Find(WindowId w);
    bool Exists(WindowId w);
    // The window's content; an empty one for no window.
    const Content& ContentOf(WindowId w);
};
