#pragma once
// The topics of the program's help file, which the Help buttons of its dialogs open.

#include <windows.h>

#include <functional>

// Opens a help topic for a window; the window stays open meanwhile. Dialogs take one so that
// tests can see what Help would open.
using HelpOpener = std::function<void(HWND window, int helpContext)>;

// Opens that context of the help file in the program directory.
void OpenHelpTopic(HWND window, int helpContext);
