#pragma once
// The topics of the program's help file, which the Help buttons of its dialogs open.

#include <windows.h>

#include <functional>
#include <string>

// Opens a help topic for a window; the window stays open meanwhile. Dialogs take one so that
// tests can see what Help would open.
using HelpOpener = std::function<void(HWND window, int helpContext)>;

// Opens that context of the help file in the program directory in the HTML Help viewer. When
// the file, the viewer or the topic is missing, a message box says so instead.
void OpenHelpTopic(HWND window, int helpContext);

// The HTML Help viewer's window showing that context of a compiled help file; null when the
// viewer cannot be loaded, or the file cannot be opened or maps no topic to the context.
HWND ShowHelpTopic(HWND window, const std::string& helpFile, int helpContext);
