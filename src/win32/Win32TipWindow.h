#pragma once
// The tip window on Win32, and the main tray icon's switch that it turns off meanwhile.

#include <functional>
#include <utility>

#include "platform/TipWindow.h"

// Turns the main tray icon on (true) or off (false).
using MainIconSwitch = std::function<void(bool active)>;

class Win32TipWindow : public ITipWindow {
public:
    // TfrmTips, whose "&Help" opens the tip's topic of the program's help file.
    void ShowModal(ITipBrowser& tips) override;
    void SetMainIconActive(bool active) override;

    // The tray icon hands its switch here once it exists; until then opening the tip window
    // switches nothing.
    void SetMainIconSwitch(MainIconSwitch mainIconSwitch) {
        mainIconSwitch_ = std::move(mainIconSwitch);
    }

private:
    MainIconSwitch mainIconSwitch_;
};
