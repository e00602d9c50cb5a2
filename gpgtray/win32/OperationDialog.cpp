#include "OperationDialog.h"

#include "Captions.h"
#include "resource.h"

namespace gpgtray {

unsigned OperationDialog::Run() {
    const INT_PTR chosen = RunModal(IDD_CHOOSE);
    return chosen > 0 && chosen != IDCANCEL ? static_cast<unsigned>(chosen) : 0;
}

INT_PTR OperationDialog::OnMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetWindowTextA(dialog_, kChooseCaption);
        return TRUE;
    }
    // Every button ends the dialog with its own identifier.
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        EndDialog(dialog_, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

}  // namespace gpgtray
