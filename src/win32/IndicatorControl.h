#pragma once
// TfrmIndicatorControl: the panel that asks "Is this the correct Window?" over the bottom edge
// of a window of another program, with the frame of TfrmIndicator bars over its other edges.
// A borderless panel in the highlight colour that stays on top, with Yes (Enter) and No
// (Escape) side by side in its middle.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/UserInterface.h"
#include "win32/GdiObject.h"
#include "win32/Indicator.h"
#include "win32/ModalDialog.h"

class TfrmIndicatorControl : private ModalDialog {
public:
    TfrmIndicatorControl();

    // Shows the bars and then, modally, the panel at the places; all go when the panel is
    // answered. True only for Yes: No, Escape and closing the panel all mean No.
    bool Ask(const IndicatorPlaces& places);

private:
    void OnInit() override;
    void OnCommand(int id, int notification, HWND control) override;
    void OnClose() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // Label2 along the top, Label1 in the rest, the buttons side by side in its middle.
    void Layout();
    void ShowBars();

    GdiObject<HFONT> questionFont_;
    const IndicatorPlaces* places_ = nullptr;
    std::vector<std::unique_ptr<TfrmIndicator>> bars_;
};
