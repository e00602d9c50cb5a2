#pragma once
// The key window: the keys on the keyring, the user's own marked; imports the keys in the
// clipboard's text and copies a public key to the clipboard; and it ends the tray program.
// It stays open until the user closes it.

#include <vector>

#include "Dialog.h"
#include "gpgtray/core/CodePage.h"
#include "gpgtray/core/TrayUi.h"

namespace gpgtray {

class KeyWindow : public Dialog {
public:
    explicit KeyWindow(const ICodePage& codePage) : codePage_(codePage) {}

    // Opens the window, or brings it to the front with its list read anew.
    void Show(IKeyActions& actions);

private:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Refresh();
    void CopySelected();
    void SetStatus(const std::string& utf8);

    const ICodePage& codePage_;
    IKeyActions* actions_ = nullptr;
    std::vector<Key> keys_;  // in the list's order
};

}  // namespace gpgtray
