#pragma once
// The ids that the resource script and the code share. Plain macros: the resource compiler
// reads no C++.

// The program's own icon, shown by the main tray icon, the window and the About page.
#define IDI_TERVANE5 1
// The tools tray icon.
#define IDI_TERVANE_TOOLS 2
