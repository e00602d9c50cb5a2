#include "mailers/menuclck.h"

#include <cstdint>

#include "mailers/MFDDirectory.h"
#include "platform/Platform.h"
#include "support/deblog.h"

namespace {

// The result of a menu search: no item contains the text.
constexpr std::intptr_t kNotFound = 0;
// The result of a menu search: the item found opens no submenu.
constexpr std::intptr_t kNoSubMenu = -1;

// The submenu of the first item of `menu` whose text contains `text`, kNoSubMenu when that
// item opens none, kNotFound when no item contains the text.
std::intptr_t FindMenuItem(MenuId menu, const std::string& text) {
    IWindows& windows = *Os().windows;
    const int count = windows.MenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (windows.MenuItemText(menu, position).find(text) != std::string::npos) {
            Mailers().lastMenuPosition = position;
            const MenuId sub = windows.SubMenuAt(menu, position);
            return sub == 0 ? kNoSubMenu : static_cast<std::intptr_t>(sub);
        }
    }
    return kNotFound;
}

void Log(const char* label, std::intptr_t number) {
    WriteDebugLog(label + std::to_string(number));
}

}  // namespace

std::string ChooseMenuCommand(WindowId window, const std::string& topText,
                              const std::string& itemText, const std::string& subItemText) {
    IWindows& windows = *Os().windows;
    std::string missing;
    const MenuId bar = windows.MenuBarOf(window);
    Log("mc1 ", static_cast<std::intptr_t>(bar));

    std::intptr_t menu = FindMenuItem(bar, topText);
    Log("mc2 ", menu);
    if (menu == kNotFound) {
        missing = topText;
        menu = static_cast<std::intptr_t>(bar);
    }
    // A top text that names a plain command leaves kNoSubMenu here, which is no menu to look
    // into; the item is then reported missing.
    if (menu != kNotFound && !itemText.empty()) {
        std::intptr_t found = FindMenuItem(static_cast<MenuId>(menu), itemText);
        Log("mc3 ", found);
        if (found != kNotFound && found != kNoSubMenu) {
            menu = found;
            if (!subItemText.empty()) {
                found = FindMenuItem(static_cast<MenuId>(menu), subItemText);
                Log("mc4 ", found);
                if (found == kNotFound) {
                    missing = subItemText;
                }
            } else if (missing.empty()) {
                // An item that opens a submenu is no command of its own.
                missing = itemText;
            }
        }
        if (missing.empty() && found == kNotFound) {
            missing = itemText;
        }
    }

    Log("mp ", Mailers().lastMenuPosition);
    const unsigned id = windows.MenuItemIdAt(static_cast<MenuId>(menu), Mailers().lastMenuPosition);
    Log("mc5 ", static_cast<int>(id));
    if (missing.empty()) {
        windows.SendCommand(window, id);
    }
    return missing;
}
