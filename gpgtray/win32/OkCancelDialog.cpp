#include "OkCancelDialog.h"

namespace gpgtray {

INT_PTR OkCancelDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return OnInit();
    }
    if (message != WM_COMMAND) {
        return FALSE;
    }
    switch (LOWORD(wParam)) {
        case IDOK:
            OnOk();
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog_, IDCANCEL);
            return TRUE;
        default:
            return OnControl(LOWORD(wParam), HIWORD(wParam));
    }
}

}  // namespace gpgtray
