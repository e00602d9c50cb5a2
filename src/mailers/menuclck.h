#pragma once
// Choosing a command from another program's menu bar by the texts of its menu items.

#include <string>

#include "platform/WindowApi.h"

// Finds the top text in the window's menu bar, the item text in the menu that it opens and,
// when given, the sub-item text in the item's submenu; each found by containment, case and
// "&" respected. When all were found, sends the last item's command to the window and waits
// until the window has handled it. Returns the first text that was not found, empty when
// the command was sent. Each step is written to the debug log ("mc1 " ... "mc5 ", "mp ").
std::string ChooseMenuCommand(WindowId window, const std::string& topText,
                              const std::string& itemText, const std::string& subItemText);
