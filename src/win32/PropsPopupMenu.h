#pragma once
// The pop-up menus of the properties window and its tray icons.

#include <windows.h>

#include <span>

// One item of a pop-up menu; id 0 stands for a separator.
struct PopupItem {
    int id;
    const char* text;
};

// Shows the menu at that screen position for the window and waits for the user's choice;
// the chosen item's id, or 0 when the menu was closed without a choice.
int TrackPopup(HWND owner, std::span<const PopupItem> items, POINT at);
