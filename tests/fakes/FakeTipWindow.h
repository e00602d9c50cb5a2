#pragma once
// The tip window as a test sees it: a scripted user who presses its controls, what the
// window showed at each moment, and every switch of the main tray icon.

#include <functional>
#include <string>
#include <vector>

#include "platform/TipWindow.h"

class FakeTipWindow : public ITipWindow {
public:
    void ShowModal(ITipBrowser& tips) override;
    void SetMainIconActive(bool active) override { mainIcon.push_back(active); }

    enum class Press { Next, Previous, ShowTipsOn, ShowTipsOff };

    struct Seen {
        std::string text;
        int helpContext = 0;
        bool showTips = false;
    };

    // What the user presses in each opened window, in turn, before "&Ok".
    std::vector<Press> presses;
    // What else happens once the window is open, before the first press (the daily timer
    // asking for a tip, say).
    std::function<void()> whileOpen;

    int openings = 0;
    std::vector<Seen> seen;      // as each window opened, then after each press
    std::vector<bool> mainIcon;  // each switch of the main icon: true for on
};
