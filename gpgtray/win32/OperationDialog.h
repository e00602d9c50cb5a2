#pragma once
// Asks what to do with the clipboard's text when the sender named no operation: one button
// per command, each carrying the command's identifier.

#include "Dialog.h"

namespace gpgtray {

class OperationDialog : public Dialog {
public:
    // Modal; the identifier of the chosen command, 0 when cancelled.
    unsigned Run();

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace gpgtray
