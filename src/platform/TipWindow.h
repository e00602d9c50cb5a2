#pragma once
// The tip of the day's window and the main tray icon that must be away while it is open.

#include <string>

// The tips as the tip window steps through them: what it shows and what its controls do.
class ITipBrowser {
public:
    virtual ~ITipBrowser() = default;

    // The current tip's text; empty before the first step and with no tips loaded.
    virtual const std::string& Text() const = 0;

    // The current tip's help topic; 0 for none, and then "&Help" is disabled.
    virtual int HelpContext() const = 0;

    // The state of the "Show these tips" box.
    virtual bool ShowTips() const = 0;

    // "&Next" and "&Previous": step to the neighbouring tip, with wrap-around.
    virtual void Next() = 0;
    virtual void Previous() = 0;

    // "Show these tips" clicked into that state.
    virtual void SetShowTips(bool on) = 0;
};

class ITipWindow {
public:
    virtual ~ITipWindow() = default;

    // Shows the tip window over these tips modally and returns once it has closed; its
    // "&Help" opens the current tip's topic of the program's help file first.
    virtual void ShowModal(ITipBrowser& tips) = 0;

    // Adds (true) or removes (false) the main tray icon.
    virtual void SetMainIconActive(bool active) = 0;
};
