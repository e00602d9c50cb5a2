#include "win32/PropsPopupMenu.h"

#include <memory>
#include <type_traits>

namespace {

struct MenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

}  // namespace

int TrackPopup(HWND owner, std::span<const PopupItem> items, POINT at) {
    const UniqueMenu menu(CreatePopupMenu());
    for (const PopupItem& item : items) {
        if (item.id == 0) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu.get(), MF_STRING, static_cast<UINT_PTR>(item.id), item.text);
        }
    }
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(owner);
    const int chosen = static_cast<int>(TrackPopupMenu(
        menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    // Lets the menu's window close properly when it was opened from a tray icon.
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}
