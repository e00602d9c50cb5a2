#pragma once
// An in-memory dialog template for a dialog frame without controls: the dialog makes its
// controls itself once it exists (its texts are 8-bit, and its layout depends on them).

#include <windows.h>

#include <vector>

class DialogTemplate {
public:
    // A dialog of that style and extended style in the font of that face and point size.
    DialogTemplate(DWORD style, const wchar_t* fontFace, WORD pointSize, DWORD exStyle = 0);

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

    // Shows the dialog modally over the owner and returns what it ended with (-1 when it
    // could not be made). It is modal to the whole thread, as a task-modal message box is:
    // the thread's other top-level windows are disabled while it is open.
    INT_PTR ShowModal(HWND owner, DLGPROC procedure, LPARAM param) const;

private:
    void PushDword(DWORD value);
    void PushString(const wchar_t* text);

    // The template is a sequence of WORDs; its DWORD fields go in as two of them.
    std::vector<WORD> words_;
};
