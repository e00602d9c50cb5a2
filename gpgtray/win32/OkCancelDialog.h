#pragma once
// A modal dialog that the user ends with OK, which the dialog may refuse, or Cancel.

#include "Dialog.h"

namespace gpgtray {

class OkCancelDialog : public Dialog {
protected:
    // True when the user ended the dialog with OK.
    bool RunOkCancel(int templateId) { return RunModal(templateId) == IDOK; }

    // The dialog has just been made. Returns whether the system is to set the focus.
    virtual bool OnInit() = 0;
    // OK was pressed: ends the dialog with IDOK once its values are sound.
    virtual void OnOk() = 0;
    // Another control's command; true when it was handled.
    virtual bool OnControl(int /*id*/, int /*notification*/) { return false; }

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace gpgtray
