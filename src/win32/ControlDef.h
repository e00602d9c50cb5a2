#pragma once
// A window's controls as a table: one row per control holds everything needed to make it.

#include <windows.h>

#include <span>

struct ControlDef {
    int id;
    const char* className;  // a system class ("BUTTON", "EDIT", ...) or one the program registered
    const char* text;
    DWORD style;  // WS_CHILD is added, and WS_VISIBLE where the window shows it at once
    DWORD exStyle;
    int page;                      // the properties window's page; 0 in a dialog
    int left, top, width, height;  // in pixels of the parent's client area (or page area)
    int helpContext;               // F1's topic; 0: the window's (or page's) own
    const char* hint;              // the tooltip over the control; null for none
};

// Makes the row's control as a child of the parent, at the row's place moved by the offset,
// in the font, with its help context (or `defaultHelp` for none) as its context help id.
HWND CreateControl(HWND parent, const ControlDef& row, HFONT font, POINT offset, bool visible,
                   int defaultHelp);

// A tooltip window of the parent's showing each row's hint over its control.
void AddHints(HWND parent, std::span<const ControlDef> rows);
