#pragma once
// The program's own user interface as the core drives it.

#include <memory>

#include "platform/WindowApi.h"

// The progress window of one run ("PGP Running"), placed and shown when created.
class IProgressWindow {
public:
    virtual ~IProgressWindow() = default;
    virtual void SetPosition(int position) = 0;  // 0 to 100
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// Where the frame and the question stand around a window that the user must confirm: bars
// over its left, top and right edges, and the panel over its bottom edge.
struct IndicatorPlaces {
    ScreenRect leftBar;
    ScreenRect topBar;
    ScreenRect rightBar;
    ScreenRect panel;
};

class IUserInterface {
public:
    virtual ~IUserInterface() = default;

    // Creates the progress window with its top-left corner at the given screen position,
    // shows it on top of all others with its bar at 5, and processes pending messages so
    // that it is on the screen at once. It is destroyed with the returned object.
    virtual std::unique_ptr<IProgressWindow> ShowRunningWindow(int left, int top) = 0;

    // The mouse cursor's screen position.
    virtual ScreenPoint CursorPos() = 0;

    // The screen cursor: the hourglass while a run works, the default otherwise.
    virtual void SetHourglass(bool on) = 0;

    // Lets pending messages be processed (windows repaint, clicks arrive).
    virtual void ProcessMessages() = 0;

    // Waits until a message arrives or the milliseconds have passed, then processes the
    // pending messages: a wait that keeps the program answering without using the processor.
    virtual void WaitForMessages(int milliseconds) = 0;

    // The program's main window, where searches through the other programs' windows start;
    // 0 before it exists.
    virtual WindowId MainWindow() = 0;

    // Blocks the program for that long; nothing is handled meanwhile.
    virtual void Sleep(int milliseconds) = 0;

    // Shows the three bars (a click on one removes that bar only) and then, modally and in
    // front of the others, the panel "Is this the correct Window?" with Yes and No, at the
    // places; removes them all when it is answered. True only when the user answered Yes.
    virtual bool AskAboutWindow(const IndicatorPlaces& places) = 0;
};
