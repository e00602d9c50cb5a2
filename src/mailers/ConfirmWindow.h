#pragma once
// The user's confirmation of a window of another program before its text is read or
// replaced: the window comes to the front inside a frame of bars in the highlight colour,
// with the question on a panel over its bottom edge.

#include "platform/UserInterface.h"
#include "platform/WindowApi.h"

// The bars' width and the panel's height, in pixels.
constexpr int kIndicatorBarWidth = 6;
constexpr int kIndicatorPanelHeight = 60;

// The bars over the window's left, top and right edges, and the panel over its bottom edge
// (which has no bar of its own).
IndicatorPlaces IndicatorPlacesAround(const ScreenRect& target);

// Where the panel's two buttons stand, in its client coordinates: side by side on one row,
// Yes ending and No starting at the middle of the question's label.
struct PanelButtonPlaces {
    int top = 0;
    int yesLeft = 0;
    int noLeft = 0;
};

// For the question's label at label1Left with label1Width, and two buttons of the same
// size.
PanelButtonPlaces PanelButtonLayout(int label1Left, int label1Width, int buttonWidth,
                                    int buttonHeight);

// Brings the window to the front and asks the user whether it is the correct one; true
// only for Yes.
bool ConfirmWindow(WindowId target);
