#pragma once
// The tip of the day: the hints of "tips.dat", stepped through one at a time in the tip
// window, with the place reached and the "Show these tips" switch kept in the settings.

#include <string>
#include <string_view>
#include <vector>

#include "platform/TipWindow.h"

// One line of "tips.dat": "<help context>,<text>".
struct TipLine {
    int helpContext = 0;
    std::string text;
};

// Only the first comma separates; a line without one is all text, and a part before it
// that is not a decimal number gives help context 0.
TipLine ParseTipLine(std::string_view line);

// What one opening of the tip window works on: the tips loaded afresh and the current one.
// The place and the switch live in the shell's tip state, and every change of either is
// saved at once.
class TipBrowser : public ITipBrowser {
public:
    // What the window's creation does: checks "Show these tips" when tips are enabled, loads
    // the tips and steps to the next one, so that an opening shows the tip after the one
    // last seen. A failure to load or step leaves the tip as it stands.
    void Open();

    const std::string& Text() const override { return current_.text; }
    int HelpContext() const override { return current_.helpContext; }
    bool ShowTips() const override;
    void Next() override;
    void Previous() override;
    void SetShowTips(bool on) override;

private:
    void Load();
    void StepTo(int index);

    std::vector<std::string> lines_;
    TipLine current_;
};

// Opens the tip window, unless it is open already; the main tray icon is away meanwhile so
// that no run can start from it.
void ShowTipOfTheDay();
