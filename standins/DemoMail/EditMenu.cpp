#include "EditMenu.h"

#include "DemoMailIds.h"

namespace demomail {

HMENU CreateEditMenuBar() {
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, kSelectAllCommand, "Select &All\tCtrl+A");
    AppendMenuA(edit, MF_STRING, kCopyCommand, "&Copy");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    return bar;
}

HACCEL CreateEditAccelerators() {
    ACCEL selectAll{FVIRTKEY | FCONTROL, 'A', kSelectAllCommand};
    return CreateAcceleratorTableA(&selectAll, 1);
}

bool RunEditCommand(HWND field, int command) {
    switch (command) {
        case kSelectAllCommand:
            SendMessageA(field, EM_SETSEL, 0, -1);
            return true;
        case kCopyCommand:
            SendMessageA(field, WM_COPY, 0, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace demomail
