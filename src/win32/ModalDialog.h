#pragma once
// The base of the program's modal dialogs. A dialog describes itself (frame, caption,
// client size and a table of controls) and reacts through the virtuals below; the base
// makes the dialog and its controls, gives them their hints and help topics, and runs the
// one dialog procedure, which stops every exception at its C boundary and reports it under
// the dialog's class name.

#include <windows.h>

#include <span>
#include <string>

#include "win32/ControlDef.h"
#include "win32/HelpFile.h"

// A dialog's window around its controls.
struct DialogFrame {
    DWORD style;
    DWORD exStyle;
    int clientWidth;  // in pixels
    int clientHeight;
    int helpContext;  // F1's topic over a control without one of its own; 0 for none
};

class ModalDialog {
public:
    virtual ~ModalDialog() = default;
    ModalDialog(const ModalDialog&) = delete;
    ModalDialog& operator=(const ModalDialog&) = delete;

protected:
    // F1 and the dialogs' Help buttons open topics through openHelp.
    ModalDialog(const char* className, HelpOpener openHelp);

    // Shows the dialog modally over the owner (without one, over all the thread's windows)
    // with its controls, which are shown at once, until End; returns what End was given, -1 when
    // the dialog could not be made.
    INT_PTR Run(HWND owner, const DialogFrame& frame, const std::string& caption,
                std::span<const ControlDef> controls);

    // The controls exist, placed and with their texts. Without a focus set here, the first
    // control that takes one gets it.
    virtual void OnInit() {}
    // A control's notification (a menu or accelerator command comes with no control).
    virtual void OnCommand(int /*id*/, int /*notification*/, HWND /*control*/) {}
    // Escape and the close box: ends the dialog with IDCANCEL unless the dialog says other.
    virtual void OnClose() { End(IDCANCEL); }
    // Any other message; true when handled, with the procedure's answer in `result`.
    virtual bool OnMessage(UINT /*message*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                           INT_PTR& /*result*/) {
        return false;
    }

    void End(INT_PTR result) { EndDialog(dialog_, result); }
    void OpenHelp(int helpContext) const;
    HWND Handle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

private:
    static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Init();

    const char* className_;
    HelpOpener openHelp_;
    const DialogFrame* frame_ = nullptr;
    const std::string* caption_ = nullptr;
    std::span<const ControlDef> controls_;
    HWND dialog_ = nullptr;
};
